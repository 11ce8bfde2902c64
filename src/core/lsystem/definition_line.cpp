#include "core/lsystem/definition_line.h"

#include <algorithm>

#include "core/lsystem/keyword_lines.h"
#include "core/lsystem/parentheses.h"
#include "core/lsystem/production_line.h"
#include "platform/fixed_format.h"
#include "platform/random_source.h"
#include "platform/text_lines.h"

namespace sprig {

namespace {

constexpr std::size_t npos = std::string_view::npos;

class LineInspector {
public:
    explicit LineInspector(std::string_view written) : writtenSize_(written.size()), line_(withoutSpaces(written)) {}

    DefinitionLine inspect()
    {
        const std::string_view text = line_.text;
        if (text == kHomomorphismLine) part(DefinitionPart::Keyword, 0, text.size());
        else if (const Keyword* keyword = keywordOf(text)) readKeyword(*keyword);
        else if (text.starts_with('#')) readRule();
        else part(DefinitionPart::Comment, 0, text.size());
        // The parser refuses a line longer than its limit as a whole.
        if (writtenSize_ > kMaxLineLength)
            result_.parts.push_back({DefinitionPart::Error, kMaxLineLength, writtenSize_ - kMaxLineLength});
        return std::move(result_);
    }

private:
    void part(DefinitionPart kind, std::size_t from, std::size_t to) { addPart(result_.parts, line_, kind, from, to); }

    // A refused line: what follows its first `head` characters is wrong, or
    // the head itself when nothing follows.
    void markWrong(std::size_t head)
    {
        const std::size_t size = line_.text.size();
        const std::size_t wrong = head < size ? head : 0;
        part(line_.text[0] == '#' ? DefinitionPart::RuleMark : DefinitionPart::Keyword, 0, wrong);
        part(DefinitionPart::Error, wrong, size);
    }

    void readKeyword(const Keyword& keyword)
    {
        const std::size_t size = line_.text.size();
        const std::size_t restStart = keyword.word.size();
        LSystem model;
        ParseReport report;
        if (keyword.read(std::string_view(line_.text).substr(restStart), model, report)) {
            markWrong(restStart);
            result_.problem = report.ErrorDetail;
            return;
        }
        part(DefinitionPart::Keyword, 0, restStart);
        if (keyword.word == "axiom") readSymbols(restStart, size);
        else part(DefinitionPart::Value, restStart, size);
    }

    void readRule()
    {
        LcgRandom random;
        Production rule;
        RulePieces at;
        bool parametric = false;
        if (parseProductionLine(line_.text, random, rule, parametric, at)) {
            markWrong(1);
            return;
        }
        part(DefinitionPart::RuleMark, 0, 1);
        readHead(at);
        part(DefinitionPart::Arrow, at.arrow, at.arrow + 2);
        part(DefinitionPart::Probability, at.arrow + 2, at.successor);
        readSymbols(at.successor, line_.text.size());
    }

    // From the '#' to the arrow.
    void readHead(const RulePieces& at)
    {
        const std::size_t predecessor = at.less != npos ? at.less + 1 : 1;
        if (at.less != npos) {
            part(DefinitionPart::Context, 1, at.less);
            part(DefinitionPart::ContextMark, at.less, at.less + 1);
        }
        part(DefinitionPart::Predecessor, predecessor, predecessor + 1);
        part(DefinitionPart::Parameters, predecessor + 1, at.greater != npos ? at.greater : at.headEnd);
        if (at.greater != npos) {
            part(DefinitionPart::ContextMark, at.greater, at.greater + 1);
            part(DefinitionPart::Context, at.greater + 1, at.headEnd);
        }
        if (at.colon != npos) {
            part(DefinitionPart::ConditionMark, at.colon, at.colon + 1);
            part(DefinitionPart::Condition, at.colon + 1, at.arrow);
        } else {
            part(DefinitionPart::Ignored, at.headEnd, at.arrow);
        }
    }

    // Symbols, each with its parameter list read as an expression.
    void readSymbols(std::size_t from, std::size_t to)
    {
        const std::string_view text = std::string_view(line_.text).substr(0, to);
        std::size_t i = from;
        while (i < to) {
            if (text[i] != '(') {
                part(DefinitionPart::Symbol, i, i + 1);
                ++i;
                continue;
            }
            const std::size_t close = matchingParen(text, i);
            const std::size_t end = close == npos ? to : close + 1;
            readExpression(i, end);
            i = end;
        }
    }

    void readExpression(std::size_t from, std::size_t to)
    {
        const std::string_view text = line_.text;
        std::size_t i = from;
        while (i < to) {
            const std::size_t number = isDigit(text[i]) ? leadingNumberLength(text.substr(i, to - i), true) : 0;
            std::size_t end = i + std::max<std::size_t>(number, 1);
            if (number == 0)
                while (end < to && !isDigit(text[end])) ++end;
            part(number ? DefinitionPart::Number : DefinitionPart::Expression, i, end);
            i = end;
        }
    }

    std::size_t writtenSize_;
    SpacelessLine line_;
    DefinitionLine result_;
};

}  // namespace

DefinitionLine inspectDefinitionLine(std::string_view written) { return LineInspector(written).inspect(); }

}  // namespace sprig
