#include "ui/help_window.h"

#include <QCloseEvent>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "ui/window_placement.h"

namespace sprig {

TForm7::TForm7()
{
    setObjectName("TForm7");
    setWindowTitle("Pomoc");
    move(80, 107);
    setWholeWindowSize(*this, QSize(506, 361));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    text = new QPlainTextEdit(userManual());
    text->setAccessibleName("Pomoc");
    text->setReadOnly(true);
    text->setLineWrapMode(QPlainTextEdit::NoWrap);
    text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont font = text->font();
    font.setBold(true);
    font.setPixelSize(13);
    text->setFont(font);
    layout->addWidget(text);
}

void TForm7::closeEvent(QCloseEvent* event)
{
    event->accept();
    if (onClosed) onClosed();
}

}  // namespace sprig
