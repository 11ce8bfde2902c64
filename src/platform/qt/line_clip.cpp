#include "platform/qt/line_clip.h"

#include <cmath>

namespace sprig {

namespace {

// Narrows [t0, t1] by one edge: p * t <= q keeps the point inside.
bool narrow(double p, double q, double& t0, double& t1)
{
    if (p == 0.0) return q >= 0.0;
    const double t = q / p;
    if (p < 0.0) {
        if (t > t1) return false;
        if (t > t0) t0 = t;
    } else {
        if (t < t0) return false;
        if (t < t1) t1 = t;
    }
    return true;
}

bool inside(int x, int y, int left, int top, int right, int bottom)
{
    return x >= left && x <= right && y >= top && y <= bottom;
}

}  // namespace

bool clipLine(ClippedLine& line, int left, int top, int right, int bottom)
{
    if (inside(line.x0, line.y0, left, top, right, bottom) && inside(line.x1, line.y1, left, top, right, bottom))
        return true;
    const double x0 = line.x0, y0 = line.y0;
    const double dx = static_cast<double>(line.x1) - x0, dy = static_cast<double>(line.y1) - y0;
    double t0 = 0.0, t1 = 1.0;
    if (!narrow(-dx, x0 - left, t0, t1) || !narrow(dx, right - x0, t0, t1) || !narrow(-dy, y0 - top, t0, t1) ||
        !narrow(dy, bottom - y0, t0, t1))
        return false;
    line = {static_cast<int>(std::lround(x0 + t0 * dx)), static_cast<int>(std::lround(y0 + t0 * dy)),
            static_cast<int>(std::lround(x0 + t1 * dx)), static_cast<int>(std::lround(y0 + t1 * dy))};
    return true;
}

}  // namespace sprig
