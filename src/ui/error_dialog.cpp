#include "ui/error_dialog.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/window_placement.h"

namespace sprig {

TOKBottomDlg1::TOKBottomDlg1() : BoxDialog("TOKBottomDlg1", "Error")
{
    setFixedSize(358, 157);
    auto* layout = new QVBoxLayout(this);
    auto* frame = new QFrame;
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    auto* frameLayout = new QVBoxLayout(frame);
    message = new QLabel;
    message->setWordWrap(true);
    message->setAlignment(Qt::AlignCenter);
    frameLayout->addWidget(message);
    layout->addWidget(frame, 1);
    addOkButton(*layout);
}

void TOKBottomDlg1::showMessage(const QString& text)
{
    message->setText(text);
    centreOnScreen(*this);
    show();
    raise();
    activateWindow();
    okButton->setFocus();
}

}  // namespace sprig
