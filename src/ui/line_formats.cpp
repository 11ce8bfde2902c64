#include "ui/line_formats.h"

#include <array>

namespace sprig {

namespace {

struct Look {
    QRgb colour;
    bool bold = false;
    bool italic = false;
    bool wrong = false;  // underlined with a red wave
};

constexpr QRgb kGrey = 0x808080;

QTextCharFormat formatOf(const Look& look)
{
    QTextCharFormat format;
    format.setForeground(QColor::fromRgb(look.colour));
    if (look.bold) format.setFontWeight(QFont::Bold);
    format.setFontItalic(look.italic);
    if (look.wrong) {
        format.setUnderlineStyle(QTextCharFormat::WaveUnderline);
        format.setUnderlineColor(Qt::red);
    }
    return format;
}

Look definitionLook(DefinitionPart part, SymbolKind symbol)
{
    switch (part) {
    case DefinitionPart::Comment: return {kGrey, false, true};
    case DefinitionPart::Keyword: return {0x000080, true};
    case DefinitionPart::Value: return {0x006060};
    case DefinitionPart::RuleMark: return {0x800080, true};
    case DefinitionPart::Context: return {0x806000};
    case DefinitionPart::ContextMark: return {0x806000, true};
    case DefinitionPart::Predecessor: return {0xA00000, true};
    case DefinitionPart::Parameters: return {0xA00000};
    case DefinitionPart::ConditionMark: return {0x600080, true};
    case DefinitionPart::Condition: return {0x600080};
    case DefinitionPart::Arrow: return {0x000000, true};
    case DefinitionPart::Probability: return {0x008080, false, true};
    case DefinitionPart::Symbol: return {symbol == SymbolKind::Turtle ? 0x007000u : 0x0000C0u};
    case DefinitionPart::Expression: return {0x704000};
    case DefinitionPart::Number: return {0xC05000};
    case DefinitionPart::Ignored: return {kGrey};
    case DefinitionPart::Error: return {0xD00000, false, false, true};
    }
    return {0x000000};
}

Look optionLook(OptionPart part)
{
    switch (part) {
    case OptionPart::Comment: return {kGrey, false, true};
    case OptionPart::Key: return {0x000080, true};
    case OptionPart::Value: return {0x006060};
    case OptionPart::Ignored: return {kGrey};
    case OptionPart::Error: return {0xD00000, false, false, true};
    }
    return {0x000000};
}

}  // namespace

const QTextCharFormat& definitionFormat(DefinitionPart part, SymbolKind symbol)
{
    constexpr int kCount = static_cast<int>(DefinitionPart::Error) + 1;
    // One more at the end: turtle symbols.
    static const std::array<QTextCharFormat, kCount + 1> formats = [] {
        std::array<QTextCharFormat, kCount + 1> made;
        for (int i = 0; i < kCount; ++i)
            made[i] = formatOf(definitionLook(static_cast<DefinitionPart>(i), SymbolKind::Other));
        made[kCount] = formatOf(definitionLook(DefinitionPart::Symbol, SymbolKind::Turtle));
        return made;
    }();
    const bool turtle = part == DefinitionPart::Symbol && symbol == SymbolKind::Turtle;
    return formats[turtle ? kCount : static_cast<std::size_t>(part)];
}

const QTextCharFormat& optionFormat(OptionPart part)
{
    constexpr int kCount = static_cast<int>(OptionPart::Error) + 1;
    static const std::array<QTextCharFormat, kCount> formats = [] {
        std::array<QTextCharFormat, kCount> made;
        for (int i = 0; i < kCount; ++i) made[i] = formatOf(optionLook(static_cast<OptionPart>(i)));
        return made;
    }();
    return formats[static_cast<std::size_t>(part)];
}

}  // namespace sprig
