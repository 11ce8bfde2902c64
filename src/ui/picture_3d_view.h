#pragma once
// The 3D window's client area: an OpenGL surface of its own on which the
// scene renderer draws the scene record from the view's camera at every
// paint, once the scene is ready. Between paints the picture stays, so a
// paint while no scene is ready leaves the last one in place. The mouse and
// the keys over it are handed on to move the camera.

#include <QOpenGLWidget>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "views/camera_moves.h"

namespace sprig {

class SceneRecord;
class SceneRenderer;
struct SceneView;
struct Settings;

// What every paint reads: none of it is copied.
struct SceneSource {
    const SceneView& view;
    const SceneRecord& scene;
    const Settings& settings;
    const std::uint32_t& backgroundColour;  // 0x00BBGGRR
};

class Picture3dView final : public QOpenGLWidget {
public:
    explicit Picture3dView(SceneSource source);
    ~Picture3dView() override;

    // Once the window was first shown: the message for a context that could
    // not be made or made current; empty when drawing works.
    QString contextFailure() const;
    // The window's picture as drawn now, painted afresh.
    QImage picture();

    // Told, in an English log line, how the context differs from the one
    // asked for.
    std::function<void(const std::string&)> onFormatNote;
    // A left-button drag by pixels (y down), the wheel by eighths of a
    // degree, and the camera button of an arrow key, "+" or "-".
    std::function<void(int dx, int dy)> onDrag;
    std::function<void(int delta)> onWheel;
    std::function<void(CameraButton)> onKey;

protected:
    void initializeGL() override;
    void resizeGL(int width, int height) override;
    void paintGL() override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    SceneSource source_;
    std::unique_ptr<SceneRenderer> renderer_;
    QPoint dragFrom_;  // where the drag was last handed on
};

}  // namespace sprig
