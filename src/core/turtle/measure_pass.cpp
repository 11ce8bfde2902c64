#include "core/turtle/measure_pass.h"

#include "core/turtle/branch_stack.h"
#include "core/turtle/motion.h"

namespace sprig {

namespace {

// Only moves, 2D turns, unit length changes and branches act here; the path
// they give is the one the drawing pass draws.
class Measurer {
public:
    Measurer(const TurtleOptions& options, float angle, PictureBox& box)
        : interpretEF_(options.interpretEF), defaultTurn_(degreesToRadians(angle)), box_(box)
    {
        turtle_.reset(options.startLengthUnit(), options.penColour);
    }

    int apply(int symbol, const SymbolParams& params)
    {
        switch (readEAsF(symbol, interpretEF_)) {
        case 'F':
        case 'f':
        case 'G':
        case 'g':
            motion_.advance(turtle_, params.p1() * turtle_.lengthUnit);
            box_.include(turtle_.position.x, turtle_.position.y);
            return 0;
        case '+':
        case '-':
            PlaneMotion::turn(turtle_, static_cast<unsigned char>(symbol), turnAngle(params, defaultTurn_));
            return 0;
        case '|': PlaneMotion::reverse(turtle_); return 0;
        case '$': PlaneMotion::level(turtle_); return 0;
        case '"':
        case '\'': scaleLength(turtle_, static_cast<unsigned char>(symbol), params); return 0;
        case '[': return branches_.push(turtle_);
        case ']': return branches_.pop(turtle_);
        default: return 0;
        }
    }

private:
    bool interpretEF_;
    float defaultTurn_;
    PictureBox& box_;
    Turtle turtle_;
    PlaneMotion motion_;
    BranchStack branches_;
};

}  // namespace

Result measurePicture(const std::string& fileName, const TurtleOptions& options, const Job& job, PassProgress& progress,
                      PictureBox& box)
{
    box = PictureBox{};
    SymbolStream stream;
    if (Result result = stream.open(fileName, options.defaultAngle); result.failed()) return result;
    Measurer measurer(options, stream.angle(), box);
    return stream.run(job, progress,
                      [&](int symbol, const SymbolParams& params) { return measurer.apply(symbol, params); });
}

}  // namespace sprig
