#pragma once
// The 3D output of the drawing pass: segments and polygon edges go into the
// scene record, and width changes close the end width of the last segment.

#include <cstdint>
#include <span>

#include "core/turtle/motion.h"
#include "core/turtle/scene_record.h"
#include "core/turtle/turtle.h"

namespace sprig {

class SceneBuilder {
public:
    using Motion = SpaceMotion;

    SceneBuilder(SceneRecord& scene, bool differentiateEFWidth, bool differentiateEFColor)
        : scene_(scene), wideE_(differentiateEFWidth), redE_(differentiateEFColor)
    {
    }

    // There is no pen in 3D.
    static void start(const Turtle&) {}
    static void penColour(std::uint32_t) {}
    static void penWidth(float) {}
    static void move(const Turtle&) {}
    static void restored(const Turtle&) {}
    // Indices into the record need no keeping across branches.
    static void saved(const Turtle&) {}
    static void restoring(const Turtle&) {}
    static void forgetLastSegment(Turtle& turtle) { turtle.lastSegment = -1; }

    // Records the element from `from` to the turtle's position; it becomes
    // the turtle's last segment unless the record is full.
    void segment(Turtle& turtle, const Vec3& from, bool isE);
    // The width just set becomes the last segment's end width when it is
    // greater; no segment is open afterwards.
    void closeEndWidth(Turtle& turtle);
    void polygon(std::span<const Vec3> vertices, Turtle& turtle)
    {
        scene_.recordPolygon(vertices, turtle.width, turtle.colour, turtle.U);
    }

private:
    SceneRecord& scene_;
    bool wideE_;
    bool redE_;
};

}  // namespace sprig
