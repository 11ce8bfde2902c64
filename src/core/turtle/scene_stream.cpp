#include "core/turtle/scene_stream.h"

#include <cmath>

namespace sprig {

namespace {

bool isFinite(const Vec3& v) { return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z); }

}  // namespace

// The turtle's last segment is a slot of the held segments; like the scene
// record, a segment with a number that is not finite is left out and the
// last segment stays as it was.
void SceneStream::segment(Turtle& turtle, const Vec3& from, bool isE)
{
    const float width = isE && wideE_ ? 4.0f * turtle.width : turtle.width;
    const std::uint32_t colour = isE && redE_ ? colourTable[kEColourIndex] : turtle.colour;
    if (!isFinite(from) || !isFinite(turtle.position) || !std::isfinite(width)) return;
    int slot;
    if (freeSlots_.empty()) {
        slot = static_cast<int>(held_.size());
        held_.emplace_back();
    } else {
        slot = freeSlots_.back();
        freeSlots_.pop_back();
    }
    held_[static_cast<std::size_t>(slot)] = {SceneElement{from, turtle.position, width, -1.0f, colour, 0}, 1};
    release(turtle.lastSegment);
    turtle.lastSegment = slot;
}

void SceneStream::closeEndWidth(Turtle& turtle)
{
    if (turtle.lastSegment >= 0) {
        SceneElement& e = held_[static_cast<std::size_t>(turtle.lastSegment)].element;
        if (turtle.width > e.endWidth && std::isfinite(turtle.width)) e.endWidth = turtle.width;
    }
    forgetLastSegment(turtle);
}

void SceneStream::forgetLastSegment(Turtle& turtle)
{
    release(turtle.lastSegment);
    turtle.lastSegment = -1;
}

void SceneStream::polygon(std::span<const Vec3> vertices, Turtle& turtle)
{
    for (const Vec3& v : vertices)
        if (!isFinite(v)) return;
    if (vertices.empty()) return;
    const Vec3& up = turtle.U;
    const Vec3 normal = !isFinite(up) ? Vec3{0.0f, 0.0f, 1.0f} : up.z < 0.0f ? Vec3{-up.x, -up.y, -up.z} : up;
    sink_.polygon(vertices, turtle.colour, normal);
}

void SceneStream::finish()
{
    for (Held& h : held_) {
        if (h.holders > 0) sink_.segment(h.element);
        h.holders = 0;
    }
}

void SceneStream::hold(int slot)
{
    if (slot >= 0) ++held_[static_cast<std::size_t>(slot)].holders;
}

// A segment no one holds can no longer change: it goes out.
void SceneStream::release(int slot)
{
    if (slot < 0) return;
    Held& h = held_[static_cast<std::size_t>(slot)];
    if (--h.holders > 0) return;
    sink_.segment(h.element);
    freeSlots_.push_back(slot);
}

}  // namespace sprig
