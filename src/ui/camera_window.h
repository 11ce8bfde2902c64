#pragma once
// The camera control window: a small tool window that stays on top. Its
// buttons and edit fields come with the views; here it is the window and
// the group of controls that the program enables and disables together.

#include <QWidget>

namespace sprig {

class TFormOvl3D final : public QWidget {
public:
    TFormOvl3D();

    void setControlsEnabled(bool enabled);
    bool controlsEnabled() const;

private:
    QWidget* controls_ = nullptr;
};

}  // namespace sprig
