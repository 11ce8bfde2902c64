#pragma once
// A canvas that writes what is drawn on it as an SVG document while it is
// drawn, so that a drawing of any number of lines takes the same memory.
// Connected lines of one colour and width become one path of relative
// moves; the document is written whole or not at all (see OutFile).

#include <cstdint>
#include <string>

#include "platform/byte_file.h"
#include "platform/canvas.h"

namespace sprig {

class SvgCanvas final : public Canvas {
public:
    // Starts the document of a width x height picture; see isOpen(). Only
    // an open canvas may be drawn on.
    SvgCanvas(const std::string& path, int width, int height);

    // False when the file cannot be made; failure() then says why.
    bool isOpen() const { return out_.isOpen(); }
    const std::optional<FileFailure>& failure() const { return out_.failure(); }
    // Ends the document and puts the file in place; false when any write
    // failed. A canvas destroyed before this leaves no file.
    bool finish();

    void setPenColour(std::uint32_t colour) override { colour_ = colour; }
    void setPenWidth(int width) override { penWidth_ = width < 1 ? 1 : width; }
    void moveTo(int x, int y) override
    {
        penX_ = x;
        penY_ = y;
    }
    void lineTo(int x, int y) override;
    void fill(std::uint32_t colour) override;

private:
    void startPath();
    void endPath();
    void writeNumber(std::int64_t value, bool separated);
    void writeColour(std::uint32_t colour);

    OutFile out_;
    int pictureWidth_ = 0;
    int pictureHeight_ = 0;
    int penWidth_ = 1;
    std::uint32_t colour_ = 0;
    int penX_ = 0;
    int penY_ = 0;
    // The path being written: its style and where it ends.
    bool pathOpen_ = false;
    std::uint32_t pathColour_ = 0;
    int pathWidth_ = 0;
    int endX_ = 0;
    int endY_ = 0;
};

}  // namespace sprig
