#include "core/turtle/symbol_reader.h"

#include <string_view>

#include "platform/fixed_format.h"

namespace sprig {

namespace {

bool isSpace(int c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

bool isNumberByte(int c) { return (c >= '0' && c <= '9') || c == '.' || c == '+' || c == '-' || c == 'e' || c == 'E'; }

}  // namespace

bool parseParameterText(const char* text, int length, float& value)
{
    if (length == 0) return true;
    std::string_view rest(text, static_cast<std::size_t>(length));
    while (!rest.empty() && isSpace(static_cast<unsigned char>(rest.front()))) rest.remove_prefix(1);
    return readLeadingNumber(rest, value, true);
}

int SymbolReader::skipSpace()
{
    int c = file_.get();
    while (isSpace(c)) c = file_.get();
    return c;
}

int SymbolReader::readHeader(float defaultAngle, float& angle)
{
    angle = defaultAngle;
    int c = skipSpace();
    const int first = c;
    int length = 0;
    for (; c != kEof && !isSpace(c); c = file_.get()) ++length;
    if (length == 1 && first == 'n') {
        const int result = readAngle(angle);
        if (result != kDone) return result;
    }
    c = skipSpace();
    if (c != kEof && !file_.unget()) return kIoError;
    return kDone;
}

int SymbolReader::readAngle(float& angle)
{
    int c = skipSpace();
    if (c == kEof) return kDone;
    int length = 0;
    for (; isNumberByte(c) && length < std::ssize(text_); c = file_.get())
        text_[static_cast<std::size_t>(length++)] = static_cast<char>(c);
    if (c != kEof && !file_.unget()) return kIoError;
    const std::string_view text(text_.data(), static_cast<std::size_t>(length));
    return readLeadingNumber(text, angle, true) ? kDone : kIoError;
}

int SymbolReader::readParams(SymbolParams& params)
{
    int depth = 1;
    for (;;) {
        int length = 0;
        int c = file_.get();
        for (;; c = file_.get()) {
            if (c == kEof || c == '\n') return kIoError;
            if (c == ',') break;
            if (c == '(') ++depth;
            if (c == ')' && --depth == 0) break;
            if (length == std::ssize(text_)) return kIoError;
            text_[static_cast<std::size_t>(length++)] = static_cast<char>(c);
        }
        if (params.n == kMaxSymbolParams) return kIoError;
        float& slot = params.p[static_cast<std::size_t>(params.n++)];
        if (!parseParameterText(text_.data(), length, slot)) return kIoError;
        if (c == ')') return kDone;
    }
}

}  // namespace sprig
