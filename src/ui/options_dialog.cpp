#include "ui/options_dialog.h"

#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "ui/window_placement.h"

namespace sprig {

TOKBottomDlg::TOKBottomDlg()
{
    setObjectName("TOKBottomDlg");
    setWindowTitle("Vlastnosti");
    makeDialogWindow(*this);
    setFixedSize(493, 402);
    auto* layout = new QVBoxLayout(this);
    auto* pages = new QTabWidget;
    pages->setAccessibleName("Vlastnosti");
    layout->addWidget(pages, 1);
    auto* buttons = new QDialogButtonBox;
    OKBtn = buttons->addButton("OK", QDialogButtonBox::AcceptRole);
    CancelBtn = buttons->addButton(QString::fromUtf8("Zrušiť"), QDialogButtonBox::RejectRole);
    OKBtn->setAccessibleName("OK");
    CancelBtn->setAccessibleName(QString::fromUtf8("Zrušiť"));
    OKBtn->setDefault(true);
    layout->addWidget(buttons);
    connect(OKBtn, &QPushButton::clicked, this, [this] {
        if (onDone) onDone();
    });
    connect(CancelBtn, &QPushButton::clicked, this, [this] { reject(); });
}

void TOKBottomDlg::closeEvent(QCloseEvent* event)
{
    event->accept();
    if (onDone) onDone();
}

// Escape and Cancel.
void TOKBottomDlg::reject()
{
    if (onDone) onDone();
}

}  // namespace sprig
