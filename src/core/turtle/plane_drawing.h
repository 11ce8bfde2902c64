#pragma once
// The 2D output of the drawing pass: turtle lines become canvas lines, and
// the canvas pen follows the turtle's colour and width.

#include <cstdint>
#include <optional>
#include <span>

#include "core/turtle/motion.h"
#include "core/turtle/picture_fit.h"
#include "core/turtle/turtle.h"
#include "platform/canvas.h"

namespace sprig {

struct PenOptions {
    bool widthInPixels = true;          // else widths are in turtle units
    bool differentiateEFWidth = false;  // E lines four times as wide
    bool differentiateEFColor = false;  // E lines red
};

// Widest pen handed to the canvas; wider widths draw at this one.
inline constexpr int kMaxPenWidth = 10000;

// Lines are cut where they pass this far from the pixel origin, in floating
// point, before their ends become whole pixels: every end handed to the
// canvas is an int, and a line toward a point far beyond keeps its direction.
inline constexpr double kPixelLimit = 1073741824.0;  // 2^30

class PlaneDrawing {
public:
    using Motion = PlaneMotion;

    PlaneDrawing(Canvas& canvas, const FitResult& fit, const PenOptions& options)
        : canvas_(canvas), fit_(fit), options_(options)
    {
    }

    // Pen colour and width from the turtle, pen at the start point.
    void start(const Turtle& turtle);
    void penColour(std::uint32_t colour) { canvas_.setPenColour(colour); }
    void penWidth(float width) { canvas_.setPenWidth(penWidthFor(width)); }
    // A line from the pen position to the turtle; an E line in its own
    // colour and width when those options are on.
    void segment(Turtle& turtle, const Vec3& from, bool isE);
    void move(const Turtle& turtle) { moveTo(turtle.position); }
    // After ']': the pen takes the restored colour, width and position.
    void restored(const Turtle& turtle);
    // Only 3D keeps end widths open.
    static void closeEndWidth(Turtle& turtle) { turtle.lastSegment = -1; }
    static void forgetLastSegment(Turtle& turtle) { turtle.lastSegment = -1; }
    static void saved(const Turtle&) {}
    static void restoring(const Turtle&) {}
    // The outline v0 -> ... -> v(k-1) -> v0, then the pen back to the turtle.
    void polygon(std::span<const Vec3> vertices, Turtle& turtle);

    int penWidthFor(float width) const;

private:
    // A turtle point in pixels before it is cut to whole ones: x * scale +
    // originX, y * scale + originY. It may lie far out or not be finite.
    struct PixelPoint {
        float x, y;
    };
    struct Pixel {
        int x, y;
        bool operator==(const Pixel&) const = default;
    };

    PixelPoint pixelPoint(const Vec3& point) const;
    void moveTo(const Vec3& point);
    void lineTo(const Vec3& point);

    Canvas& canvas_;
    FitResult fit_;
    PenOptions options_;
    PixelPoint pen_{0.0f, 0.0f};
    // Where the canvas pen is; empty until it is first placed.
    std::optional<Pixel> canvasPen_;
};

}  // namespace sprig
