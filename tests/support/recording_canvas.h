#pragma once
// A canvas that draws nothing and keeps every call as a line of text, such
// as "colour 0000FF00", "width 1", "move 10 20", "line 10 30", "fill 00FFFFFF",
// so that tests can compare what was drawn call by call.

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/canvas.h"

namespace sprig::testing {

class RecordingCanvas : public Canvas {
public:
    void setPenColour(std::uint32_t colour) override { calls.push_back("colour " + hex(colour)); }
    void setPenWidth(int width) override { calls.push_back("width " + std::to_string(width)); }
    void moveTo(int x, int y) override { calls.push_back("move " + point(x, y)); }
    void lineTo(int x, int y) override { calls.push_back("line " + point(x, y)); }
    void fill(std::uint32_t colour) override { calls.push_back("fill " + hex(colour)); }

    static std::string hex(std::uint32_t colour)
    {
        char text[16];
        std::snprintf(text, sizeof text, "%08X", static_cast<unsigned>(colour));
        return text;
    }

    std::vector<std::string> calls;

private:
    static std::string point(int x, int y) { return std::to_string(x) + " " + std::to_string(y); }
};

}  // namespace sprig::testing
