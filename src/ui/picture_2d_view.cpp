#include "ui/picture_2d_view.h"

#include <QPainter>

#include "platform/qt/qimage_canvas.h"

namespace sprig {

Picture2dView::Picture2dView(const QImageCanvas& canvas) : canvas_(canvas)
{
    setObjectName("Image1");
    setAutoFillBackground(true);
}

void Picture2dView::setPictureShown(bool shown)
{
    shown_ = shown;
    update();
}

void Picture2dView::refresh()
{
    picture_ = canvas_.image().copy();
    update();
}

void Picture2dView::paintEvent(QPaintEvent*)
{
    if (!shown_) return;
    QPainter painter(this);
    painter.drawImage(0, 0, picture_);
}

}  // namespace sprig
