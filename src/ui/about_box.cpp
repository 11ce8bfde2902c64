#include "ui/about_box.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "ui/program_icon.h"

namespace sprig {

namespace {

QLabel* addLabel(QGridLayout& layout, const char* text, int row, int column, int columnSpan = 1)
{
    auto* label = new QLabel(QString::fromUtf8(text));
    label->setWordWrap(true);
    layout.addWidget(label, row, column, 1, columnSpan);
    return label;
}

}  // namespace

TAboutBox::TAboutBox() : BoxDialog("TAboutBox", "About Sprigwork")
{
    setFixedSize(298, 212);
    auto* layout = new QVBoxLayout(this);
    auto* panel = new QFrame;
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    auto* grid = new QGridLayout(panel);
    auto* icon = new QLabel;
    icon->setPixmap(programIcon().pixmap(48, 48));
    icon->setAccessibleName("Sprigwork");
    grid->addWidget(icon, 0, 0, 2, 1, Qt::AlignTop);
    QFont bold = font();
    bold.setBold(true);
    addLabel(*grid, "Sprigwork", 0, 1)->setFont(bold);
    addLabel(*grid, "Version 1.3", 1, 1);
    addLabel(*grid, "Pracovný stôl pre L-systémy.", 2, 0, 2);
    addLabel(*grid, "Krokuje, ukladá a kreslí ich v 2D aj 3D.", 3, 0, 2);
    grid->setColumnStretch(1, 1);
    layout->addWidget(panel, 1);
    addOkButton(*layout);
}

}  // namespace sprig
