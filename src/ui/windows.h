#pragma once
// The ten windows of the program, created once at start-up in a fixed
// order and kept until it ends.

#include <memory>

#include "app/user_interface.h"

class QWidget;

namespace sprig {

class Picture2dView;
class Picture3dView;
class PictureWindow;
class QImageCanvas;
class TAboutBox;
class TForm6;
class TForm7;
class TFormOvl3D;
class TFormOvlPan;
class TMainForm;
class TOKBottomDlg;
class TOKBottomDlg1;

struct SceneSource;

struct Windows {
    // The 2D window shows the canvas; the 3D window draws the scene.
    Windows(const QImageCanvas& canvas, const SceneSource& scene);
    ~Windows();
    Windows(const Windows&) = delete;
    Windows& operator=(const Windows&) = delete;

    // The main window, the control panel, the camera window and the 3D window.
    void showAtStartUp();
    QWidget& window(Window which) const;

    std::unique_ptr<TMainForm> main;
    std::unique_ptr<TAboutBox> about;
    std::unique_ptr<TOKBottomDlg> options;
    std::unique_ptr<TOKBottomDlg1> error;
    std::unique_ptr<PictureWindow> picture2d;
    std::unique_ptr<TForm6> progress;
    std::unique_ptr<TForm7> help;
    std::unique_ptr<TFormOvlPan> panel;
    std::unique_ptr<TFormOvl3D> camera;
    std::unique_ptr<PictureWindow> picture3d;
    // The client areas of the two picture windows, owned by them.
    Picture2dView* picture2dView = nullptr;
    Picture3dView* picture3dView = nullptr;
};

}  // namespace sprig
