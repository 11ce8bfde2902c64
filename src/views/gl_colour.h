#pragma once
// The current GL colour from a 0x00BBGGRR colour word.

#include <GL/gl.h>

#include <cstdint>

namespace sprig {

inline void setGlColour(std::uint32_t colour)
{
    glColor3ub(static_cast<GLubyte>(colour & 0xFFu), static_cast<GLubyte>((colour >> 8) & 0xFFu),
               static_cast<GLubyte>((colour >> 16) & 0xFFu));
}

}  // namespace sprig
