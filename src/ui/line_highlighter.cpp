#include "ui/line_highlighter.h"

#include <string>

#include "core/lsystem/definition_line.h"
#include "core/turtle/turtle_symbols.h"
#include "settings/option_line.h"
#include "ui/line_formats.h"

namespace sprig {

namespace {

// The line with one byte per character of the block, so that the parts fall
// on the block's characters. Both readers give a meaning to ASCII characters
// only, so every other character may stand as any byte above them, or as
// the '?' that a character beyond Latin-1 becomes.
std::string lineBytes(const QString& text) { return text.toLatin1().toStdString(); }

}  // namespace

LineHighlighter::LineHighlighter(QTextDocument* document, LineLanguage language)
    : QSyntaxHighlighter(document), language_(language)
{
}

void LineHighlighter::highlightBlock(const QString& text)
{
    const std::string line = lineBytes(text);
    if (language_ == LineLanguage::Definition) highlightDefinition(line);
    else highlightOptions(line);
}

// Touching parts of one format are set as one run: a successor's symbols
// are parts of one character each.
void LineHighlighter::highlightDefinition(const std::string& line)
{
    const QTextCharFormat* runFormat = nullptr;
    std::size_t runStart = 0;
    std::size_t runEnd = 0;
    for (const LinePart<DefinitionPart>& part : inspectDefinitionLine(line).parts) {
        const SymbolKind symbol =
            isTurtleSymbol(static_cast<unsigned char>(line[part.start])) ? SymbolKind::Turtle : SymbolKind::Other;
        const QTextCharFormat* format = &definitionFormat(part.kind, symbol);
        if (format != runFormat || part.start != runEnd) {
            setRun(runStart, runEnd, runFormat);
            runFormat = format;
            runStart = part.start;
        }
        runEnd = part.start + part.length;
    }
    setRun(runStart, runEnd, runFormat);
}

void LineHighlighter::setRun(std::size_t start, std::size_t end, const QTextCharFormat* format)
{
    if (format) setFormat(static_cast<int>(start), static_cast<int>(end - start), *format);
}

void LineHighlighter::highlightOptions(const std::string& line)
{
    for (const LinePart<OptionPart>& part : inspectOptionLine(line).parts)
        setFormat(static_cast<int>(part.start), static_cast<int>(part.length), optionFormat(part.kind));
}

}  // namespace sprig
