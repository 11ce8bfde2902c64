#include "platform/qt/qimage_canvas.h"

#include <cmath>

#include <QImage>
#include <QPainter>
#include <QPen>

#include "platform/line_clip.h"
#include "platform/qt/image_bmp.h"
#include "platform/qt/image_png.h"

namespace sprig {

namespace {

QRgb toRgb(std::uint32_t colour)
{
    return qRgb(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                static_cast<int>((colour >> 16) & 0xFF));
}

struct PixelLine {
    int x0, y0, x1, y1;
};

// Cuts line to [left, right] x [top, bottom], the cut ends rounded to the
// nearest pixel; false when no part of it lies inside.
bool clipPixels(PixelLine& line, int left, int top, int right, int bottom)
{
    LineEnds ends{static_cast<double>(line.x0), static_cast<double>(line.y0), static_cast<double>(line.x1),
                  static_cast<double>(line.y1)};
    if (!clipLine(ends, {static_cast<double>(left), static_cast<double>(top), static_cast<double>(right),
                         static_cast<double>(bottom)}))
        return false;
    line = {static_cast<int>(std::lround(ends.x0)), static_cast<int>(std::lround(ends.y0)),
            static_cast<int>(std::lround(ends.x1)), static_cast<int>(std::lround(ends.y1))};
    return true;
}

}  // namespace

struct QImageCanvas::Impl {
    Impl(int width, int height) : image(width, height, QImage::Format_RGB32) { image.fill(Qt::black); }

    void thinLine(int x0, int y0, int x1, int y1);
    void wideLine(int x0, int y0, int x1, int y1);
    void endPainting()
    {
        if (painter.isActive()) painter.end();
    }
    void plot(int x, int y, QRgb* bits, qsizetype stride)
    {
        if (x >= 0 && y >= 0 && x < image.width() && y < image.height()) bits[y * stride + x] = rgb;
    }

    QImage image;
    QPainter painter;
    QRgb rgb = qRgb(0, 0, 0);
    int penWidth = 0;
    int penX = 0;
    int penY = 0;
};

// Bresenham's line, both end pixels included, over the part inside the image.
void QImageCanvas::Impl::thinLine(int x0, int y0, int x1, int y1)
{
    endPainting();
    PixelLine line{x0, y0, x1, y1};
    if (!clipPixels(line, 0, 0, image.width() - 1, image.height() - 1)) return;
    QRgb* bits = reinterpret_cast<QRgb*>(image.bits());
    const qsizetype stride = image.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb));
    int x = line.x0, y = line.y0;
    const int dx = std::abs(line.x1 - x), dy = -std::abs(line.y1 - y);
    const int sx = x < line.x1 ? 1 : -1, sy = y < line.y1 ? 1 : -1;
    int error = dx + dy;
    for (;;) {
        plot(x, y, bits, stride);
        if (x == line.x1 && y == line.y1) return;
        const int twice = 2 * error;
        if (twice >= dy) error += dy, x += sx;
        if (twice <= dx) error += dx, y += sy;
    }
}

void QImageCanvas::Impl::wideLine(int x0, int y0, int x1, int y1)
{
    const int margin = penWidth + 2;
    PixelLine line{x0, y0, x1, y1};
    if (!clipPixels(line, -margin, -margin, image.width() - 1 + margin, image.height() - 1 + margin)) return;
    if (!painter.isActive()) {
        painter.begin(&image);
        painter.setRenderHint(QPainter::Antialiasing, false);
    }
    painter.setPen(QPen(QColor(rgb), penWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawLine(line.x0, line.y0, line.x1, line.y1);
}

QImageCanvas::QImageCanvas(int width, int height) : impl_(std::make_unique<Impl>(width, height)) {}

QImageCanvas::~QImageCanvas() = default;

void QImageCanvas::setPenColour(std::uint32_t colour) { impl_->rgb = toRgb(colour); }

void QImageCanvas::setPenWidth(int width) { impl_->penWidth = width; }

void QImageCanvas::moveTo(int x, int y)
{
    impl_->penX = x;
    impl_->penY = y;
}

void QImageCanvas::lineTo(int x, int y)
{
    if (impl_->penWidth <= 1) impl_->thinLine(impl_->penX, impl_->penY, x, y);
    else impl_->wideLine(impl_->penX, impl_->penY, x, y);
    moveTo(x, y);
}

void QImageCanvas::fill(std::uint32_t colour)
{
    impl_->endPainting();
    impl_->image.fill(toRgb(colour));
}

int QImageCanvas::width() const { return impl_->image.width(); }

int QImageCanvas::height() const { return impl_->image.height(); }

std::uint32_t QImageCanvas::pixel(int x, int y) const
{
    impl_->endPainting();
    const QRgb rgb = impl_->image.pixel(x, y);
    return static_cast<std::uint32_t>(qRed(rgb)) | static_cast<std::uint32_t>(qGreen(rgb)) << 8 |
           static_cast<std::uint32_t>(qBlue(rgb)) << 16;
}

const QImage& QImageCanvas::image() const
{
    impl_->endPainting();
    return impl_->image;
}

Result QImageCanvas::saveBmp(const std::string& path) const { return saveBmp(path, width(), height()); }

Result QImageCanvas::saveBmp(const std::string& path, int width, int height) const
{
    return writeImageBmp(path, image().copy(0, 0, width, height));
}

Result QImageCanvas::savePng(const std::string& path) const { return writeImagePng(path, image()); }

}  // namespace sprig
