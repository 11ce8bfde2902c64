#include "core/turtle/turtle.h"

namespace sprig {

void Turtle::reset(float startLengthUnit, std::uint32_t penColour)
{
    *this = Turtle{};
    lengthUnit = startLengthUnit;
    colour = penColour;
}

float degreesToRadians(float degrees)
{
    constexpr long double pi = 3.141592653589793238462643383279502884L;
    return static_cast<float>(static_cast<long double>(degrees) * (1.0L / 180.0L) * pi);
}

void turnLeft2D(Turtle& turtle, float radians)
{
    turtle.heading2D += radians;
    if (turtle.heading2D > kTwoPi) turtle.heading2D -= kTwoPi;
}

void turnRight2D(Turtle& turtle, float radians)
{
    turtle.heading2D -= radians;
    if (turtle.heading2D < 0.0f) turtle.heading2D += kTwoPi;
}

void reverse2D(Turtle& turtle) { turnLeft2D(turtle, kPi); }

void scaleLength(Turtle& turtle, unsigned char symbol, const SymbolParams& params)
{
    if (params.n >= 1) turtle.lengthUnit *= params.p1();
    else turtle.lengthUnit *= symbol == '"' ? 1.1f : 0.9f;
}

bool changeWidth(Turtle& turtle, unsigned char symbol, const SymbolParams& params, float decrement, float increment)
{
    if (params.n >= 1) {
        if (!(params.p1() >= 0.0f)) return false;
        turtle.width = params.p1();
    } else if (symbol == '!') {
        turtle.width -= decrement;
        if (turtle.width <= 0.0f) turtle.width = 0.0f;
    } else {
        turtle.width += increment;
    }
    return true;
}

namespace {

bool inUnitRange(float v) { return v >= 0.0f && v <= 1.0f; }

bool isColourIndex(float v) { return v >= 0.0f && v <= 15.0f; }

void useColourIndex(Turtle& turtle, int index)
{
    turtle.colourIndex = index;
    turtle.colour = colourTable[static_cast<std::size_t>(index)];
}

std::uint32_t colourByte(float fraction) { return static_cast<std::uint32_t>(255.0f * fraction); }

bool stepColourIndex(Turtle& turtle, unsigned char symbol)
{
    if (symbol == ':') return false;
    int index = turtle.colourIndex + (symbol == ';' ? 1 : -1);
    useColourIndex(turtle, index < 0 ? 0 : index > 15 ? 15 : index);
    return true;
}

}  // namespace

bool changeColour(Turtle& turtle, unsigned char symbol, const SymbolParams& params)
{
    const auto& p = params.p;
    switch (params.n) {
    case 0: return stepColourIndex(turtle, symbol);
    case 1:
        if (!isColourIndex(p[0])) return false;
        useColourIndex(turtle, static_cast<int>(p[0]));
        return true;
    case 3:
        if (!inUnitRange(p[0]) || !inUnitRange(p[1]) || !inUnitRange(p[2])) return false;
        turtle.colour = colourByte(p[0]) + 256u * colourByte(p[1]) + 65536u * colourByte(p[2]);
        return true;
    default: return false;
    }
}

void colourFromIndexParameter(Turtle& turtle, float p3)
{
    if (isColourIndex(p3)) turtle.colour = colourTable[static_cast<std::size_t>(p3)];
}

}  // namespace sprig
