#include <gtest/gtest.h>

#include "platform/qt/cp1250_text.h"

namespace sprig {
namespace {

TEST(TextEncoding, EveryByteValueSurvivesDecodingAndEncoding)
{
    std::string all;
    for (int value = 0; value < 256; ++value) all.push_back(static_cast<char>(value));
    EXPECT_EQ(encodeCp1250(decodeCp1250(all)), all);
    EXPECT_EQ(decodeCp1250("\x8a\x9e\xe8\xfd\xe1\xed"), QString::fromUtf8("Šžčýáí"));
}

}  // namespace
}  // namespace sprig
