#include "ui/windows.h"

#include "ui/about_box.h"
#include "ui/camera_window.h"
#include "ui/control_panel.h"
#include "ui/error_dialog.h"
#include "ui/help_window.h"
#include "ui/main_window.h"
#include "ui/options_dialog.h"
#include "ui/picture_2d_view.h"
#include "ui/picture_3d_view.h"
#include "ui/picture_window.h"
#include "ui/progress_window.h"
#include "ui/window_placement.h"

namespace sprig {

Windows::Windows(const QImageCanvas& canvas, const SceneSource& scene)
    : main(std::make_unique<TMainForm>()), about(std::make_unique<TAboutBox>()),
      options(std::make_unique<TOKBottomDlg>()), error(std::make_unique<TOKBottomDlg1>()),
      picture2d(std::make_unique<PictureWindow>(kPicture2dLook, new Picture2dView(canvas))),
      progress(std::make_unique<TForm6>()), help(std::make_unique<TForm7>()), panel(std::make_unique<TFormOvlPan>()),
      camera(std::make_unique<TFormOvl3D>()),
      picture3d(std::make_unique<PictureWindow>(kPicture3dLook, new Picture3dView(scene))),
      picture2dView(static_cast<Picture2dView*>(picture2d->centralWidget())),
      picture3dView(static_cast<Picture3dView*>(picture3d->centralWidget()))
{
    centreOnScreen(*about);
    centreOnScreen(*options);
}

Windows::~Windows() = default;

void Windows::showAtStartUp()
{
    main->show();
    panel->show();
    camera->show();
    picture3d->show();
}

QWidget& Windows::window(Window which) const
{
    switch (which) {
    case Window::Main: return *main;
    case Window::ControlPanel: return *panel;
    case Window::Camera: return *camera;
    case Window::Picture2d: return *picture2d;
    case Window::Picture3d: return *picture3d;
    case Window::Progress: return *progress;
    case Window::About: return *about;
    case Window::Options: return *options;
    case Window::Help: return *help;
    }
    return *main;
}

}  // namespace sprig
