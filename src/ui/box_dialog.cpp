#include "ui/box_dialog.h"

#include <QCloseEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/window_placement.h"

namespace sprig {

BoxDialog::BoxDialog(const char* objectName, const char* caption)
{
    setObjectName(objectName);
    setWindowTitle(QString::fromUtf8(caption));
    makeDialogWindow(*this);
}

void BoxDialog::addOkButton(QVBoxLayout& layout)
{
    okButton = new QPushButton("OK");
    okButton->setAccessibleName("OK");
    okButton->setDefault(true);
    okButton->setFixedWidth(90);
    layout.addWidget(okButton, 0, Qt::AlignHCenter);
    connect(okButton, &QPushButton::clicked, this, [this] {
        hide();
        if (onOk) onOk();
    });
}

void BoxDialog::closeEvent(QCloseEvent* event)
{
    event->accept();
    if (onClosed) onClosed();
}

// Escape closes the box as its frame would, not as a rejected dialog.
void BoxDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace sprig
