#include "platform/line_clip.h"

#include <algorithm>
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

bool finite(const LineEnds& line)
{
    return std::isfinite(line.x0) && std::isfinite(line.y0) && std::isfinite(line.x1) && std::isfinite(line.y1);
}

}  // namespace

bool clipLine(LineEnds& line, const ClipRect& rect)
{
    if (!finite(line)) return false;
    const double dx = line.x1 - line.x0, dy = line.y1 - line.y0;
    double t0 = 0.0, t1 = 1.0;
    if (!narrow(-dx, line.x0 - rect.left, t0, t1) || !narrow(dx, rect.right - line.x0, t0, t1) ||
        !narrow(-dy, line.y0 - rect.top, t0, t1) || !narrow(dy, rect.bottom - line.y0, t0, t1))
        return false;
    // An end that is not cut stays as given rather than x0 + 1 * dx; a cut
    // end lies on an edge, which rounding must not carry it past.
    const auto at = [&](double t, double& x, double& y) {
        x = std::clamp(line.x0 + t * dx, rect.left, rect.right);
        y = std::clamp(line.y0 + t * dy, rect.top, rect.bottom);
    };
    if (t1 < 1.0) at(t1, line.x1, line.y1);  // before x0, which both ends start from, moves
    if (t0 > 0.0) at(t0, line.x0, line.y0);
    return true;
}

}  // namespace sprig
