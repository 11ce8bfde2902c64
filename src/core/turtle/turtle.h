#pragma once
// The turtle: position, 2D heading, 3D frame, unit length, width and colour,
// and the rules of the symbols that change them without drawing.

#include <array>
#include <cstdint>

#include "core/turtle/scene_record.h"
#include "core/turtle/symbol_params.h"

namespace sprig {

inline constexpr float kHalfPi = 1.5707964f;
inline constexpr float kPi = 3.1415927f;
inline constexpr float kTwoPi = 6.2831855f;

// The 16 colours that ';', ',' and ':' and F's third parameter choose from.
inline constexpr std::array<std::uint32_t, 16> colourTable = {
    0x00000000, 0x00800000, 0x00FF0000, 0x00008080, 0x00000080, 0x00800080, 0x00000080, 0x00C0C0C0,
    0x00808080, 0x00FEFFB8, 0x0000FF00, 0x00FFFF00, 0x000000FF, 0x00FF00FF, 0x0000FFFF, 0x00FFFFFF,
};
inline constexpr int kStartColourIndex = 10;
// The colour of E segments when they are told apart from F segments.
inline constexpr int kEColourIndex = 12;

struct Turtle {
    Vec3 position;
    float heading2D = kHalfPi;  // pi/2 points up the screen
    Vec3 H{0.0f, 0.0f, 1.0f};
    Vec3 L{0.0f, -1.0f, 0.0f};
    Vec3 U{1.0f, 0.0f, 0.0f};
    float lengthUnit = 1.0f;
    float width = 1.0f;
    std::uint32_t colour = colourTable[kStartColourIndex];
    int colourIndex = kStartColourIndex;
    // 3D only: the last recorded element whose end width is still open.
    int lastSegment = -1;

    // The start state of a pass.
    void reset(float startLengthUnit, std::uint32_t penColour);
};

// What '[' saves and ']' restores: every field of the turtle.
using BranchFrame = Turtle;

// Degrees to radians, computed in extended precision and rounded once.
float degreesToRadians(float degrees);

// The turn of a rotation symbol in radians: its parameter, else the default.
inline float turnAngle(const SymbolParams& params, float defaultTurn)
{
    return params.n >= 1 ? degreesToRadians(params.p1()) : defaultTurn;
}

// With E and e read as F and f, they are those symbols; otherwise they are
// unknown symbols that do nothing.
inline int readEAsF(int symbol, bool interpretEF)
{
    if (!interpretEF) return symbol;
    return symbol == 'E' ? 'F' : symbol == 'e' ? 'f' : symbol;
}

// '+' and '-' in 2D: turn, then bring the heading back into range once.
void turnLeft2D(Turtle& turtle, float radians);
void turnRight2D(Turtle& turtle, float radians);
// '|' in 2D.
void reverse2D(Turtle& turtle);

// '"' and '\'': scale the unit length by p1, or by 1.1 / 0.9 without one.
void scaleLength(Turtle& turtle, unsigned char symbol, const SymbolParams& params);

// '!' and '#'. Returns true when the width was set.
bool changeWidth(Turtle& turtle, unsigned char symbol, const SymbolParams& params, float decrement, float increment);

// ';', ',' and ':'. Returns true when the colour was set.
bool changeColour(Turtle& turtle, unsigned char symbol, const SymbolParams& params);

// F's third parameter: a colour index 0 .. 15 that leaves colourIndex alone.
void colourFromIndexParameter(Turtle& turtle, float p3);

}  // namespace sprig
