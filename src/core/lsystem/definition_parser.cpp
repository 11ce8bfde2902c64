#include "core/lsystem/definition_parser.h"

#include <new>

#include "core/lsystem/keyword_lines.h"
#include "core/lsystem/model_completion.h"
#include "core/lsystem/production_line.h"
#include "platform/text_lines.h"
#include "settings/settings.h"

namespace sprig {

namespace {

class LineReader {
public:
    LineReader(ParseMode mode, RandomSource& random, LSystem& model, ParseReport& report)
        : mode_(mode), random_(random), model_(model), report_(report)
    {
    }

    // line is prepared: no line feed, no spaces.
    int read(std::string_view line)
    {
        if (line == kHomomorphismLine) {
            inHomomorphism_ = true;
            return kDone;
        }
        if (const Keyword* keyword = keywordOf(line))
            return keyword->read(line.substr(keyword->word.size()), model_, report_);
        if (line.starts_with('#') && kept()) return readRule(line);
        return kDone;
    }

private:
    bool kept() const { return inHomomorphism_ == (mode_ == ParseMode::Homomorphism); }

    int readRule(std::string_view line)
    {
        Production rule;
        RulePieces pieces;
        if (int code = parseProductionLine(line, random_, rule, model_.parametric, pieces)) return code;
        model_.productions.push_back(std::move(rule));
        return kDone;
    }

    ParseMode mode_;
    RandomSource& random_;
    LSystem& model_;
    ParseReport& report_;
    bool inHomomorphism_ = false;
};

int parse(const std::vector<std::string>& lines, ParseMode mode, const Settings& settings, RandomSource& random,
          LSystem& out, ParseReport& report)
{
    LSystem model;
    model.ignoreSet = settings.ignoreSymbols;
    model.angle = settings.defaultAngle;
    LineReader reader(mode, random, model, report);
    for (std::size_t row = 0; row < lines.size(); ++row) {
        if (lines[row].size() > kMaxLineLength) return kIoError;
        report.ErrorRow = static_cast<int>(row + 1);
        if (int code = reader.read(prepareLine(lines[row]))) return code;
    }
    report.IsParametric = model.parametric;
    if (int code = completeModel(model)) return code;
    out = std::move(model);
    return kDone;
}

}  // namespace

int ParseLSystem(const std::vector<std::string>& lines, ParseMode mode, const Settings& settings, RandomSource& random,
                 LSystem& out, ParseReport& report)
{
    try {
        return parse(lines, mode, settings, random, out, report);
    } catch (const std::bad_alloc&) {
        return kOutOfMemory;
    }
}

}  // namespace sprig
