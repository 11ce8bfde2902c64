#include "ui/camera_window.h"

#include <QLabel>
#include <QVBoxLayout>

#include "ui/window_placement.h"

namespace sprig {

TFormOvl3D::TFormOvl3D()
{
    setObjectName("TFormOvl3D");
    setWindowTitle("Ovl. kamery");
    makeToolWindow(*this);
    move(505, 203);
    setFixedSize(121, 245);
    auto* layout = new QVBoxLayout(this);
    auto* dimensions = new QLabel("3D");
    dimensions->setAccessibleName("3D");
    layout->addWidget(dimensions, 0, Qt::AlignRight | Qt::AlignTop);
    controls_ = new QWidget;
    controls_->setAccessibleName("Ovládanie kamery");
    controls_->setEnabled(false);
    layout->addWidget(controls_, 1);
}

void TFormOvl3D::setControlsEnabled(bool enabled) { controls_->setEnabled(enabled); }

bool TFormOvl3D::controlsEnabled() const { return controls_->isEnabled(); }

}  // namespace sprig
