#pragma once
// The 3D output of the drawing pass without the scene record's cap: every
// segment and polygon goes to a sink as soon as it is final, so a pass of
// any length keeps only the segments whose end width a later width change
// may still set, one per branch level at most.

#include <cstdint>
#include <span>
#include <vector>

#include "core/turtle/motion.h"
#include "core/turtle/scene_record.h"
#include "core/turtle/turtle.h"

namespace sprig {

class SceneSink {
public:
    virtual ~SceneSink() = default;
    // A segment (polygon number 0) with its end width as it finally stands.
    virtual void segment(const SceneElement& segment) = 0;
    // At its '}': the vertices as added, the colour and the normal turned to z >= 0.
    virtual void polygon(std::span<const Vec3> vertices, std::uint32_t colour, const Vec3& normal) = 0;
};

class SceneStream {
public:
    using Motion = SpaceMotion;

    SceneStream(SceneSink& sink, bool differentiateEFWidth, bool differentiateEFColor)
        : sink_(sink), wideE_(differentiateEFWidth), redE_(differentiateEFColor)
    {
    }

    static void start(const Turtle&) {}
    static void penColour(std::uint32_t) {}
    static void penWidth(float) {}
    static void move(const Turtle&) {}
    static void restored(const Turtle&) {}

    // '[' saved the turtle: the frame holds its last segment open too.
    void saved(const Turtle& turtle) { hold(turtle.lastSegment); }
    // ']' is about to replace the turtle: its last segment is let go.
    void restoring(const Turtle& turtle) { release(turtle.lastSegment); }
    void segment(Turtle& turtle, const Vec3& from, bool isE);
    void closeEndWidth(Turtle& turtle);
    void forgetLastSegment(Turtle& turtle);
    void polygon(std::span<const Vec3> vertices, Turtle& turtle);
    // At the end of a complete pass: the segments still held go out as they stand.
    void finish();

private:
    struct Held {
        SceneElement element;
        int holders = 0;  // the turtle and the branch frames whose last segment it is
    };

    void hold(int slot);
    void release(int slot);

    SceneSink& sink_;
    bool wideE_;
    bool redE_;
    std::vector<Held> held_;
    std::vector<int> freeSlots_;
};

}  // namespace sprig
