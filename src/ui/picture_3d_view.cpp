#include "ui/picture_3d_view.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QOpenGLContext>
#include <QSurfaceFormat>
#include <QWheelEvent>
#include <optional>

#include "views/scene_renderer.h"
#include "views/scene_view.h"

namespace sprig {

namespace {

// Double buffered RGBA with 24 colour bits and 32 depth bits, no alpha or
// stencil, fixed-function GL.
QSurfaceFormat requestedFormat()
{
    QSurfaceFormat format;
    format.setRenderableType(QSurfaceFormat::OpenGL);
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    format.setSwapBehavior(QSurfaceFormat::DoubleBuffer);
    format.setRedBufferSize(8);
    format.setGreenBufferSize(8);
    format.setBlueBufferSize(8);
    format.setAlphaBufferSize(0);
    format.setDepthBufferSize(32);
    format.setStencilBufferSize(0);
    return format;
}

std::string describe(const QSurfaceFormat& format)
{
    return std::to_string(format.redBufferSize() + format.greenBufferSize() + format.blueBufferSize()) +
           " colour bits, " + std::to_string(format.depthBufferSize()) + " depth bits, " +
           (format.swapBehavior() == QSurfaceFormat::SingleBuffer ? "single" : "double") + " buffered";
}

// The camera window's button that a key presses.
std::optional<CameraButton> cameraButtonOf(int key)
{
    switch (key) {
    case Qt::Key_Up: return CameraButton::Up;
    case Qt::Key_Down: return CameraButton::Down;
    case Qt::Key_Left: return CameraButton::Left;
    case Qt::Key_Right: return CameraButton::Right;
    case Qt::Key_Plus: return CameraButton::Closer;
    case Qt::Key_Minus: return CameraButton::Farther;
    default: return std::nullopt;
    }
}

}  // namespace

Picture3dView::Picture3dView(SceneSource source) : source_(source)
{
    setObjectName("GLSurface");
    setFormat(requestedFormat());
    // A paint that draws nothing must leave the last picture in place.
    setUpdateBehavior(QOpenGLWidget::PartialUpdate);
    // Takes the focus with its window, so that the keys reach it.
    setFocusPolicy(Qt::StrongFocus);
}

Picture3dView::~Picture3dView()
{
    if (!renderer_) return;
    makeCurrent();
    renderer_.reset();
    doneCurrent();
}

QString Picture3dView::contextFailure() const
{
    if (!context() || !context()->isValid()) return ":-)~ hrc == NULL";
    return renderer_ ? QString() : QString("Could not MakeCurrent");
}

QImage Picture3dView::picture() { return grabFramebuffer(); }

void Picture3dView::initializeGL()
{
    const std::string asked = describe(requestedFormat());
    const std::string got = describe(context()->format());
    if (got != asked && onFormatNote) onFormatNote("OpenGL: asked for " + asked + ", got " + got);
    renderer_ = std::make_unique<SceneRenderer>(FrameFlushes::AtEnd);
    renderer_->initialise();
}

void Picture3dView::resizeGL(int width, int height)
{
    const qreal ratio = devicePixelRatioF();
    renderer_->resize(static_cast<int>(width * ratio), static_cast<int>(height * ratio));
}

void Picture3dView::paintGL()
{
    renderer_->paint(source_.view, source_.scene, source_.settings.effective, source_.backgroundColour);
}

void Picture3dView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) dragFrom_ = event->position().toPoint();
}

void Picture3dView::mouseMoveEvent(QMouseEvent* event)
{
    if (!(event->buttons() & Qt::LeftButton)) return;
    const QPoint at = event->position().toPoint();
    const QPoint moved = at - dragFrom_;
    dragFrom_ = at;
    if (onDrag) onDrag(moved.x(), moved.y());
}

void Picture3dView::wheelEvent(QWheelEvent* event)
{
    if (onWheel) onWheel(event->angleDelta().y());
}

void Picture3dView::keyPressEvent(QKeyEvent* event)
{
    const std::optional<CameraButton> button = cameraButtonOf(event->key());
    if (!button) return QOpenGLWidget::keyPressEvent(event);
    if (onKey) onKey(*button);
}

}  // namespace sprig
