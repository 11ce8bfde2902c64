#include "core/derive/string_file.h"

#include <algorithm>
#include <cstring>
#include <string_view>

#include "core/derive/byte_search.h"
#include "core/lsystem/expression.h"
#include "platform/fixed_format.h"
#include "platform/job.h"

namespace sprig {

void writeHeader(OutFile& out, const LSystem& system)
{
    if (system.parametric) {
        out.write("p\n");
        return;
    }
    out.write("n\n");
    out.writeFixed(system.angle);
    out.put('\n');
}

bool readHeader(InFile& in)
{
    std::string word;
    if (!in.readHeaderWord(word)) return false;
    if (word[0] != 'n') return true;
    std::string angle;
    return in.readHeaderWord(angle);
}

Result WriteAxiomFile(const LSystem& system, const std::string& path)
{
    OutFile out;
    if (!out.open(path)) return {kIoError, out.failure()};
    writeHeader(out, system);
    if (!system.axiom.empty()) {
        out.write(system.axiom);
        out.put('\n');
    }
    return closed(out);
}

namespace {

// Digits with at most one point, up to 15 of them (an integer exact in a
// double) and up to 12 after the point: the number is that integer over a
// power of ten, both exact in a double, and the float nearest it is their
// quotient rounded to a double and then to a float. The second rounding
// cannot err: such a quotient lies further from any midpoint between two
// floats than half a step between doubles.
bool shortDecimal(std::string_view text, float& value)
{
    static constexpr double kPowers[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11, 1e12};
    if (text.size() > 15) return false;
    std::uint64_t whole = 0;
    int decimals = -1;  // none before the point
    bool digit = false;
    for (char c : text) {
        if (isDigit(c)) {
            whole = whole * 10 + static_cast<std::uint64_t>(c - '0');
            digit = true;
            if (decimals >= 0) ++decimals;
        } else if (c == '.' && decimals < 0) {
            decimals = 0;
        } else {
            return false;
        }
    }
    if (!digit || decimals > 12) return false;
    value = static_cast<float>(static_cast<double>(whole) / kPowers[std::max(decimals, 0)]);
    return true;
}

// A parameter text that is a plain decimal number, as the files themselves
// hold them, is read directly; anything else goes through the evaluator.
bool plainNumber(std::string_view text, float& value)
{
    const bool negative = !text.empty() && text.front() == '-';
    if (negative) text.remove_prefix(1);
    if (shortDecimal(text, value)) {
        if (negative) value = -value;
        return true;
    }
    bool digit = false;
    for (char c : text) {
        if (c >= '0' && c <= '9') digit = true;
        else if (c != '.') return false;
    }
    if (!digit || !readLeadingNumber(text, value)) return false;
    if (negative) value = -value;
    return true;
}

bool evaluateParameter(std::string_view text, float& value, RandomSource& random)
{
    if (plainNumber(text, value)) return true;
    std::string expression(text);
    NormalizeExpression(expression);
    const EvalResult result = EvaluateExpression(expression, ParamBinding{}, random);
    value = result.value;
    return result.ok;
}

enum class ListRead { Read, Failed, NotBuffered };

// Reads a parameter list whose "(" was just read straight from the input's
// buffer, when it closes there and holds nothing the byte-by-byte reader
// must judge: a newline, a text too long or too many values.
ListRead readBufferedList(InFile& in, Symbol& out, RandomSource& random)
{
    const std::string_view ahead = in.buffered();
    std::array<std::string_view, kMaxParams> texts;
    std::size_t count = 0;
    std::size_t start = 0;
    std::size_t i = 0;
    for (int depth = 1; depth > 0; ++i) {
        if (i == ahead.size() || ahead[i] == '\n') return ListRead::NotBuffered;
        if (ahead[i] == '(') ++depth;
        else if (ahead[i] == ')') --depth;
        if (ahead[i] != ',' && depth > 0) continue;
        if (count == texts.size() || i - start > kMaxParamText) return ListRead::NotBuffered;
        texts[count++] = ahead.substr(start, i - start);
        start = i + 1;
    }
    in.skip(i);
    for (std::size_t k = 0; k < count; ++k) {
        if (!evaluateParameter(texts[k], out.values[k], random)) return ListRead::Failed;
    }
    out.count = static_cast<int>(count);
    return ListRead::Read;
}

}  // namespace

bool readParameters(InFile& in, Symbol& out, RandomSource& random)
{
    out.count = 0;
    const int d = in.get();
    if (d != '(') return d == kEof || in.unget();
    if (const ListRead read = readBufferedList(in, out, random); read != ListRead::NotBuffered)
        return read == ListRead::Read;
    std::string text;
    int depth = 1;
    while (depth > 0) {
        text.clear();
        for (;;) {
            const int b = in.get();
            if (b == kEof || b == '\n') return false;
            if (b == '(') ++depth;
            else if (b == ')') --depth;
            if (b == ',' || depth == 0) break;
            if (text.size() == kMaxParamText) return false;
            text.push_back(static_cast<char>(b));
        }
        if (out.count == kMaxParams) return false;
        if (!evaluateParameter(text, out.values[static_cast<std::size_t>(out.count)], random)) return false;
        ++out.count;
    }
    return true;
}

SymbolRead ReadSymbol(InFile& in, Symbol& out, RandomSource& random)
{
    const int c = in.get();
    if (c == kEof || c == '\n') return SymbolRead::End;
    out.symbol = static_cast<char>(c);
    return readParameters(in, out, random) ? SymbolRead::Symbol : SymbolRead::Failure;
}

bool skipParameters(InFile& in)
{
    int depth = 1;
    while (depth > 0) {
        const int b = in.get();
        if (b == kEof || b == '\n') return false;
        if (b == '(') ++depth;
        else if (b == ')') --depth;
    }
    return true;
}

void WriteSymbol(OutFile& out, char symbol, const float* values, int count)
{
    out.put(symbol);
    if (count == 0) return;
    for (int i = 0; i < count; ++i) {
        out.put(i == 0 ? '(' : ',');
        out.writeFixed(values[i]);
    }
    out.put(')');
}

namespace {

// The length of the value text that opens `text` when it reads back as the
// float whose "%f" it is: a sign only for a negative value, no leading zero,
// six decimals, and either below 16, where floats lie closer together than
// 10^-6 and the nearest float to the text rounds back to it, or a multiple
// of 1/64 below 2^18, which a float holds exactly. 0 otherwise.
std::size_t verbatimValueLength(std::string_view text)
{
    constexpr std::uint64_t kBelowSixteen = 16000000;
    constexpr std::uint64_t kSixtyFourth = 15625;  // 10^6 / 64
    constexpr std::uint64_t kExactBelow = kSixtyFourth << 24;
    std::size_t i = !text.empty() && text[0] == '-' ? 1 : 0;
    const std::size_t digits = i;
    std::uint64_t whole = 0;
    while (i < text.size() && isDigit(text[i]) && i - digits < 7)
        whole = whole * 10 + static_cast<std::uint64_t>(text[i++] - '0');
    const std::size_t integerDigits = i - digits;
    if (integerDigits == 0 || integerDigits > 6 || (integerDigits > 1 && text[digits] == '0')) return 0;
    if (text.size() < i + 7 || text[i++] != '.') return 0;
    for (const std::size_t end = i + 6; i < end; ++i) {
        if (!isDigit(text[i])) return 0;
        whole = whole * 10 + static_cast<std::uint64_t>(text[i] - '0');
    }
    const bool exact = whole % kSixtyFourth == 0 && whole < kExactBelow;
    return whole < kBelowSixteen || exact ? i : 0;
}

}  // namespace

std::size_t verbatimListLength(std::string_view text)
{
    if (text.empty() || text[0] != '(') return 0;
    std::size_t i = 1;
    for (int values = 1; values <= kMaxParams; ++values) {
        const std::size_t length = verbatimValueLength(text.substr(i));
        if (length == 0 || i + length == text.size()) return 0;
        i += length;
        if (text[i] == ')') return i + 1;
        if (text[i++] != ',') return 0;
    }
    return 0;
}

namespace {

// Counts symbols chunk by chunk: every byte but a newline is a symbol,
// except the bytes of a parameter list, which a "(" opens right after a
// symbol (or a newline) and the ")" that brings its depth back to 0 closes.
// The byte after a list is a symbol even when it is a "(".
class SymbolCounter {
public:
    void feed(const char* p, const char* end)
    {
        while (p < end && !failed_) {
            if (depth_ > 0) {
                p = skipList(p, end);
            } else if (afterList_) {
                afterList_ = false;
                if (*p++ != '\n') ++count_;
            } else {
                const char* open = find(p, end, '(');
                count_ += (open - p) - newlines(p, open);
                p = open;
                if (p < end) {
                    depth_ = 1;
                    ++p;
                }
            }
        }
    }
    // Done at the end of the file: 0, or 2 when a list is still open.
    int result() const { return failed_ || depth_ > 0 ? kIoError : kDone; }
    std::int64_t count() const { return count_; }

private:
    // The first c in [p, end), or end. Parametric strings hold a list every
    // few bytes, other strings none for megabytes: a short look comes first,
    // then memchr.
    static const char* find(const char* p, const char* end, char c)
    {
        for (const char* look = std::min(end, p + 32); p < look; ++p) {
            if (*p == c) return p;
        }
        const void* found = p < end ? std::memchr(p, c, static_cast<std::size_t>(end - p)) : nullptr;
        return found ? static_cast<const char*>(found) : end;
    }

    static std::ptrdiff_t newlines(const char* p, const char* end)
    {
        std::ptrdiff_t n = 0;
        for (p = find(p, end, '\n'); p < end; p = find(p + 1, end, '\n')) ++n;
        return n;
    }

    const char* skipList(const char* p, const char* end)
    {
        for (; (p = findFirstOf<'(', ')', '\n'>(p, end)) < end; ++p) {
            if (*p == '\n') {
                failed_ = true;
                return end;
            }
            if (*p == '(') ++depth_;
            else if (--depth_ == 0) {
                afterList_ = true;
                return p + 1;
            }
        }
        return end;
    }

    std::int64_t count_ = 0;
    int depth_ = 0;
    bool afterList_ = true;  // the first byte is a symbol whatever it is
    bool failed_ = false;
};

int countSymbols(InFile& in, std::int64_t& count, const Job* job)
{
    SymbolCounter counter;
    for (std::string_view chunk = in.readChunk(); !chunk.empty(); chunk = in.readChunk()) {
        if (job && job->stopRequested()) return kStopped;
        counter.feed(chunk.data(), chunk.data() + chunk.size());
    }
    count = counter.count();
    return in.failed() ? kIoError : counter.result();
}

}  // namespace

Result ReadStringStatistics(const std::string& path, StringStatistics& stats, const Job* job)
{
    InFile in;
    if (!in.open(path)) return {kIoError, in.failure()};
    std::string word;
    if (!in.readHeaderWord(word)) return explained({kIoError, in.failure()}, path, "no string file header");
    stats.isParametric = word != "n";
    if (!stats.isParametric) in.readHeaderWord(word);
    stats.symbolCount = 0;
    return explained({countSymbols(in, stats.symbolCount, job), in.failure()}, path, "a parameter list is not closed");
}

Result copyStringFile(const std::string& from, const std::string& to)
{
    InFile in;
    OutFile out;
    if (!in.open(from) || !out.open(to)) return ioError(in, out);
    for (int c = in.get(); c != kEof; c = in.get()) out.put(static_cast<char>(c));
    return !in.failed() && out.close() ? Result() : ioError(in, out);
}

}  // namespace sprig
