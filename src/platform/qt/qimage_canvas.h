#pragma once
// The bitmap canvas over a QImage: solid, aliased lines in the pen's colour
// and width, clipped to the bitmap, and writing the bitmap as a .bmp file.
// One-pixel lines are set straight into the image; wider ones go through
// QPainter with round caps.

#include <cstdint>
#include <memory>
#include <string>

#include "platform/canvas.h"
#include "platform/result.h"

class QImage;

namespace sprig {

class QImageCanvas final : public Canvas {
public:
    static constexpr int kDefaultWidth = 1600;
    static constexpr int kDefaultHeight = 1200;

    explicit QImageCanvas(int width = kDefaultWidth, int height = kDefaultHeight);
    ~QImageCanvas() override;
    QImageCanvas(const QImageCanvas&) = delete;
    QImageCanvas& operator=(const QImageCanvas&) = delete;

    void setPenColour(std::uint32_t colour) override;
    void setPenWidth(int width) override;
    void moveTo(int x, int y) override;
    void lineTo(int x, int y) override;
    void fill(std::uint32_t colour) override;

    int width() const;
    int height() const;
    // The colour at a pixel as 0x00BBGGRR.
    std::uint32_t pixel(int x, int y) const;
    // The whole bitmap, every line drawn so far included.
    const QImage& image() const;
    // Writes the top-left width x height part (all of it when not given) as
    // a 24-bit .bmp file, whole or not at all; kIoError when it cannot be written.
    Result saveBmp(const std::string& path) const;
    Result saveBmp(const std::string& path, int width, int height) const;
    // The whole bitmap as a PNG file, whole or not at all.
    Result savePng(const std::string& path) const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace sprig
