#pragma once
// The look of each part of a definition or options line in the text views.

#include <QTextCharFormat>

#include "core/lsystem/definition_line.h"
#include "settings/option_line.h"

namespace sprig {

// A symbol of an axiom or successor looks one way when the turtle acts on
// it and another way when it does not.
enum class SymbolKind { Turtle, Other };

const QTextCharFormat& definitionFormat(DefinitionPart part, SymbolKind symbol = SymbolKind::Other);
const QTextCharFormat& optionFormat(OptionPart part);

}  // namespace sprig
