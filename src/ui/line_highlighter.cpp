#include "ui/line_highlighter.h"

#include <string>

#include "core/lsystem/definition_line.h"
#include "core/turtle/turtle_symbols.h"
#include "platform/qt/cp1250_text.h"
#include "settings/option_line.h"
#include "ui/line_formats.h"

namespace sprig {

namespace {

// The line as the readers get it from the view, one byte per character of
// the block so that the parts fall on the block's characters; a character
// the code page lacks becomes a '?', which means nothing to either reader.
std::string lineBytes(const QString& text)
{
    std::string bytes = encodeCp1250(text);
    if (bytes.size() != static_cast<std::size_t>(text.size())) bytes = text.toLatin1().toStdString();
    return bytes;
}

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

void LineHighlighter::highlightDefinition(const std::string& line)
{
    for (const LinePart<DefinitionPart>& part : inspectDefinitionLine(line).parts) {
        const SymbolKind symbol =
            isTurtleSymbol(static_cast<unsigned char>(line[part.start])) ? SymbolKind::Turtle : SymbolKind::Other;
        setFormat(static_cast<int>(part.start), static_cast<int>(part.length), definitionFormat(part.kind, symbol));
    }
}

void LineHighlighter::highlightOptions(const std::string& line)
{
    for (const LinePart<OptionPart>& part : inspectOptionLine(line).parts)
        setFormat(static_cast<int>(part.start), static_cast<int>(part.length), optionFormat(part.kind));
}

}  // namespace sprig
