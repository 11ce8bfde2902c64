#pragma once
// Definition, options and string files are code page 1250 bytes; the text
// views hold Unicode. Decoding and encoding go through Qt's converters, so
// that every byte value, the five that the code page leaves undefined
// included, comes back as it was.

#include <QString>
#include <string>
#include <string_view>

namespace sprig {

QString decodeCp1250(std::string_view bytes);
std::string encodeCp1250(const QString& text);

}  // namespace sprig
