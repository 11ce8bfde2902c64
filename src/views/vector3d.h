#pragma once
// A point or direction worked out in double precision from the single
// precision values the GL is given.

namespace sprig {

struct Vector3d {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
};

}  // namespace sprig
