#include "ui/camera_window.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

#include "ui/window_placement.h"

namespace sprig {

namespace {

constexpr int kNoGlyph = -1;
constexpr int kButtonWidth = 36;
constexpr int kButtonHeight = 26;

QLineEdit* addEdit(QGridLayout& layout, int row, const char* caption, const char* text)
{
    auto* label = new QLabel(QString::fromUtf8(caption));
    label->setWordWrap(true);
    auto* edit = new QLineEdit(text);
    edit->setAccessibleName(label->text());
    layout.addWidget(label, row, 0, 1, 3);
    layout.addWidget(edit, row + 1, 0, 1, 3);
    return edit;
}

}  // namespace

TFormOvl3D::TFormOvl3D()
{
    setObjectName("TFormOvl3D");
    setWindowTitle("Ovl. kamery");
    makeToolWindow(*this);
    move(505, 203);
    setFixedSize(121, 245);
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(2);
    auto* camera = new QLabel;
    camera->setPixmap(style()->standardIcon(QStyle::SP_DesktopIcon).pixmap(16, 16));
    layout->addWidget(camera, 0, 0, Qt::AlignLeft | Qt::AlignTop);
    dimensions_ = new QLabel("3D");
    layout->addWidget(dimensions_, 0, 2, Qt::AlignRight | Qt::AlignTop);
    layout->addWidget(BHore = addButton(CameraButton::Up, {}, "Hore", QStyle::SP_ArrowUp), 1, 1);
    layout->addWidget(BVlavo = addButton(CameraButton::Left, {}, "Vľavo", QStyle::SP_ArrowLeft), 2, 0);
    layout->addWidget(BVpravo = addButton(CameraButton::Right, {}, "Vpravo", QStyle::SP_ArrowRight), 2, 2);
    layout->addWidget(BDole = addButton(CameraButton::Down, {}, "Dole", QStyle::SP_ArrowDown), 3, 1);
    layout->addWidget(BDalej = addButton(CameraButton::Farther, QString::fromUtf8("−"), "Ďalej", kNoGlyph), 4, 0);
    layout->addWidget(BBlizsie = addButton(CameraButton::Closer, "+", "Bližšie", kNoGlyph), 4, 1);
    layout->addWidget(BOsi = addButton(CameraButton::Axes, "osi", nullptr, kNoGlyph), 4, 2);
    Edit1 = addEdit(*layout, 5, "zmena uhlu:", "9.000000");
    Edit2 = addEdit(*layout, 7, "koef. zmeny vzdialenosti:", "1.200000");
}

// A button that shows only a glyph is named by its hint.
QPushButton* TFormOvl3D::addButton(CameraButton button, const QString& caption, const char* hint, int glyph)
{
    auto* control = new QPushButton(caption);
    if (glyph != kNoGlyph) control->setIcon(style()->standardIcon(static_cast<QStyle::StandardPixmap>(glyph)));
    if (hint) control->setToolTip(QString::fromUtf8(hint));
    control->setAccessibleName(hint ? QString::fromUtf8(hint) : caption);
    control->setFixedSize(kButtonWidth, kButtonHeight);
    control->setAutoDefault(false);
    control->setEnabled(false);
    connect(control, &QPushButton::clicked, this, [this, button] {
        if (onPress) onPress(button);
    });
    return control;
}

void TFormOvl3D::setControlsEnabled(bool enabled)
{
    for (QWidget* control :
         std::initializer_list<QWidget*>{BDalej, BBlizsie, BVpravo, BVlavo, BDole, BHore, BOsi, Edit1, Edit2})
        control->setEnabled(enabled);
}

bool TFormOvl3D::controlsEnabled() const { return BHore->isEnabled(); }

void TFormOvl3D::setDimensionLabel(int drawDimensions) { dimensions_->setText(drawDimensions == 2 ? "2D" : "3D"); }

CameraEdits TFormOvl3D::edits() const { return {Edit1->text().toStdString(), Edit2->text().toStdString()}; }

void TFormOvl3D::setEdits(const CameraEdits& edits)
{
    Edit1->setText(QString::fromStdString(edits.angleStep));
    Edit2->setText(QString::fromStdString(edits.distanceFactor));
}

}  // namespace sprig
