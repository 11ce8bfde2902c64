#include "platform/svg_canvas.h"

#include <charconv>

namespace sprig {

namespace {

constexpr std::size_t kNumberRoom = 24;

}  // namespace

// The view box puts whole coordinates at pixel centres, as the bitmap
// draws them.
SvgCanvas::SvgCanvas(const std::string& path, int width, int height)
    : out_(path), pictureWidth_(width), pictureHeight_(height)
{
    if (!out_.isOpen()) return;
    out_.write("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"");
    writeNumber(width, false);
    out_.write("\" height=\"");
    writeNumber(height, false);
    out_.write("\" viewBox=\"-0.5 -0.5 ");
    writeNumber(width, false);
    writeNumber(height, true);
    out_.write("\" fill=\"none\" stroke-linecap=\"round\" stroke-linejoin=\"round\">\n");
}

bool SvgCanvas::finish()
{
    endPath();
    out_.write("</svg>\n");
    return out_.close();
}

void SvgCanvas::fill(std::uint32_t colour)
{
    endPath();
    out_.write("<rect x=\"-0.5\" y=\"-0.5\" width=\"");
    writeNumber(pictureWidth_, false);
    out_.write("\" height=\"");
    writeNumber(pictureHeight_, false);
    out_.write("\" fill=\"");
    writeColour(colour);
    out_.write("\"/>\n");
}

// A line that starts where the path ends, in its style, extends it; a line
// of no length within a path adds nothing to it.
void SvgCanvas::lineTo(int x, int y)
{
    const bool extends =
        pathOpen_ && pathColour_ == colour_ && pathWidth_ == penWidth_ && endX_ == penX_ && endY_ == penY_;
    if (!extends) {
        endPath();
        startPath();
    } else if (x == penX_ && y == penY_) {
        return;
    }
    writeNumber(static_cast<std::int64_t>(x) - penX_, extends);
    writeNumber(static_cast<std::int64_t>(y) - penY_, true);
    penX_ = endX_ = x;
    penY_ = endY_ = y;
}

void SvgCanvas::startPath()
{
    out_.write("<path stroke=\"");
    writeColour(colour_);
    if (penWidth_ != 1) {
        out_.write("\" stroke-width=\"");
        writeNumber(penWidth_, false);
    }
    out_.write("\" d=\"M");
    writeNumber(penX_, false);
    writeNumber(penY_, true);
    // Every pair after the "l" is one more line, relative to the last end.
    out_.put('l');
    pathOpen_ = true;
    pathColour_ = colour_;
    pathWidth_ = penWidth_;
}

void SvgCanvas::endPath()
{
    if (!pathOpen_) return;
    out_.write("\"/>\n");
    pathOpen_ = false;
}

// A number after another one is set apart by a blank, or by its own minus sign.
void SvgCanvas::writeNumber(std::int64_t value, bool separated)
{
    std::size_t room = 0;
    char* at = out_.reserve(kNumberRoom, room);
    if (separated && value >= 0) *at++ = ' ';
    at = std::to_chars(at, at + kNumberRoom, value).ptr;
    out_.commit(at);
}

void SvgCanvas::writeColour(std::uint32_t colour)
{
    static constexpr char kHex[] = "0123456789abcdef";
    const std::uint32_t rgb[3] = {colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF};
    char text[7] = {'#'};
    for (int i = 0; i < 3; ++i) {
        text[1 + 2 * i] = kHex[rgb[i] >> 4];
        text[2 + 2 * i] = kHex[rgb[i] & 0xF];
    }
    out_.write(std::string_view(text, 7));
}

}  // namespace sprig
