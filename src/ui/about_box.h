#pragma once
// The about box: the icon, the name and version, two lines about the
// program, and OK. The program disables its main windows while it is up.

#include "ui/box_dialog.h"

namespace sprig {

class TAboutBox final : public BoxDialog {
public:
    TAboutBox();
};

}  // namespace sprig
