#include "core/turtle/draw_pass.h"

#include "core/turtle/branch_stack.h"
#include "core/turtle/colour_effect.h"
#include "core/turtle/polygon_stack.h"
#include "core/turtle/turtle_symbols.h"

namespace sprig {

namespace {

template <class Output>
class Drawer {
public:
    Drawer(const TurtleOptions& options, float angle, std::int64_t symbolCount, Output& output, DrawTotals& totals)
        : options_(options), defaultTurn_(degreesToRadians(angle)), effect_(symbolCount), output_(output),
          totals_(totals)
    {
        turtle_.reset(options.startLengthUnit(), options.penColour);
        if (options_.colourEffect) turtle_.colour = effect_.startColour();
        output_.start(turtle_);
    }

    int apply(int symbol, const SymbolParams& params)
    {
        if (options_.colourEffect) followEffect();
        const bool isE = options_.interpretEF && symbol == 'E';
        const int meant = readEAsF(symbol, options_.interpretEF);
        if (!isTurtleSymbol(meant)) return 0;
        switch (meant) {
        case 'F': return drawF(params, isE);
        case 'f': return moveF(params);
        case 'G': return drawG(params);
        case 'g':
            moveBy(params);
            output_.move(turtle_);
            return 0;
        case '+':
        case '-':
        case '&':
        case '^':
        case '\\':
        case '/': Motion::turn(turtle_, static_cast<unsigned char>(symbol), turnAngle(params, defaultTurn_)); return 0;
        case '|': Motion::reverse(turtle_); return 0;
        case '$': Motion::level(turtle_); return 0;
        case '"':
        case '\'': scaleLength(turtle_, static_cast<unsigned char>(symbol), params); return 0;
        case '!':
        case '#': return width(symbol, params);
        case ';':
        case ',':
        case ':': return colour(symbol, params);
        case '[': return pushBranch();
        case ']': return popBranch();
        case '{': return polygons_.open();
        case '.': return polygons_.addVertex(turtle_.position);
        case '}': closePolygon(); return 0;
        default: return 0;
        }
    }

private:
    using Motion = typename Output::Motion;

    void moveBy(const SymbolParams& params) { motion_.advance(turtle_, params.p1() * turtle_.lengthUnit); }

    void followEffect()
    {
        turtle_.colour = effect_.next();
        output_.penColour(turtle_.colour);
    }

    int drawF(const SymbolParams& params, bool isE)
    {
        ++totals_.segmentTotal;
        if (params.n >= 2) {
            if (params.p[1] >= 0.0f) turtle_.width = params.p[1];
            if (isE && options_.differentiateEFWidth) output_.forgetLastSegment(turtle_);
            else output_.closeEndWidth(turtle_);
            output_.penWidth(turtle_.width);
        }
        if (params.n == 3) {
            if (!options_.colourEffect) colourFromIndexParameter(turtle_, params.p[2]);
            output_.penColour(turtle_.colour);
        }
        if (params.n <= 3) {
            const Vec3 from = turtle_.position;
            moveBy(params);
            output_.segment(turtle_, from, isE);
        }
        return polygons_.addVertex(turtle_.position);
    }

    int moveF(const SymbolParams& params)
    {
        moveBy(params);
        output_.move(turtle_);
        return polygons_.addVertex(turtle_.position);
    }

    int drawG(const SymbolParams& params)
    {
        ++totals_.segmentTotal;
        const Vec3 from = turtle_.position;
        moveBy(params);
        output_.segment(turtle_, from, false);
        return 0;
    }

    int width(int symbol, const SymbolParams& params)
    {
        if (changeWidth(turtle_, static_cast<unsigned char>(symbol), params, options_.widthDecrement,
                        options_.widthIncrement))
            output_.penWidth(turtle_.width);
        output_.closeEndWidth(turtle_);
        return 0;
    }

    int colour(int symbol, const SymbolParams& params)
    {
        if (!options_.colourEffect && changeColour(turtle_, static_cast<unsigned char>(symbol), params))
            output_.penColour(turtle_.colour);
        return 0;
    }

    int pushBranch()
    {
        const int result = branches_.push(turtle_);
        if (result == 0) output_.saved(turtle_);
        return result;
    }

    int popBranch()
    {
        if (!branches_.empty()) output_.restoring(turtle_);
        const int result = branches_.pop(turtle_);
        if (result == 0) output_.restored(turtle_);
        return result;
    }

    void closePolygon()
    {
        if (!polygons_.isOpen()) return;
        ++totals_.polygonTotal;
        output_.polygon(polygons_.innermost(), turtle_);
        polygons_.close();
    }

    const TurtleOptions& options_;
    float defaultTurn_;
    ColourEffect effect_;
    Output& output_;
    DrawTotals& totals_;
    Turtle turtle_;
    Motion motion_;
    BranchStack branches_;
    PolygonStack polygons_;
};

}  // namespace

template <class Output>
Result drawString(const std::string& fileName, const TurtleOptions& options, std::int64_t symbolCount, Output& output,
                  const Job& job, PassProgress& progress, DrawTotals& totals)
{
    SymbolStream stream;
    if (Result result = stream.open(fileName, options.defaultAngle); result.failed()) return result;
    Drawer<Output> drawer(options, stream.angle(), symbolCount, output, totals);
    return stream.run(job, progress,
                      [&](int symbol, const SymbolParams& params) { return drawer.apply(symbol, params); });
}

template Result drawString<PlaneDrawing>(const std::string&, const TurtleOptions&, std::int64_t, PlaneDrawing&,
                                         const Job&, PassProgress&, DrawTotals&);
template Result drawString<SceneBuilder>(const std::string&, const TurtleOptions&, std::int64_t, SceneBuilder&,
                                         const Job&, PassProgress&, DrawTotals&);
template Result drawString<SceneStream>(const std::string&, const TurtleOptions&, std::int64_t, SceneStream&,
                                        const Job&, PassProgress&, DrawTotals&);

}  // namespace sprig
