#include <gtest/gtest.h>

#include "core/derive/cut_pass.h"
#include "core/derive/string_file.h"
#include "core/derive/string_file_name.h"
#include "platform/random_source.h"
#include "support/temp_dir.h"

namespace sprig::testing {
namespace {

TEST(StringFileNames, NumberingBaseAndLength)
{
    EXPECT_EQ(StringFileName("/d/plant", 7, kStepExt), "/d/plant_007.stt");
    EXPECT_EQ(StringFileName("/d/plant", 999, kCutExt), "/d/plant_999.st1");
    EXPECT_EQ(StringFileName("/d/plant", 1000, kHomomorphismExt), "/d/plant_1000.sth");
    EXPECT_EQ(basePath("/d/plant.ls"), "/d/plant");
    EXPECT_EQ(basePath("/d/a.b.ls"), "/d/a.b");
    EXPECT_EQ(basePath("/d.x/plant"), "/d.x/plant");
    EXPECT_EQ(lengthKB(0), 1);
    EXPECT_EQ(lengthKB(1023), 1);
    EXPECT_EQ(lengthKB(1024), 2);
    EXPECT_EQ(lengthKB(40000), 40);
}

class SymbolReading : public ::testing::Test {
protected:
    std::vector<Symbol> readAll(const std::string& text, SymbolRead& last)
    {
        InFile in(dir.write("s.txt", text));
        std::vector<Symbol> symbols;
        Symbol s;
        while ((last = ReadSymbol(in, s, random)) == SymbolRead::Symbol) symbols.push_back(s);
        return symbols;
    }
    TempDir dir;
    LcgRandom random;
};

TEST_F(SymbolReading, ParametersAreEvaluatedAndBadListsFail)
{
    SymbolRead last;
    auto symbols = readAll("F(1.000000,-2.5)+(2*3)X(SQRT(16))\nQ", last);
    EXPECT_EQ(last, SymbolRead::End);
    ASSERT_EQ(symbols.size(), 3u);
    EXPECT_EQ(symbols[0].symbol, 'F');
    ASSERT_EQ(symbols[0].count, 2);
    EXPECT_EQ(symbols[0].values[0], 1.0f);
    EXPECT_EQ(symbols[0].values[1], -2.5f);
    EXPECT_EQ(symbols[1].values[0], 6.0f);
    EXPECT_EQ(symbols[2].values[0], 4.0f);

    readAll("AF(1,2", last);
    EXPECT_EQ(last, SymbolRead::Failure);
    readAll("F(1\n)", last);
    EXPECT_EQ(last, SymbolRead::Failure);
    readAll("F(x)", last);
    EXPECT_EQ(last, SymbolRead::Failure);

    std::string twenty = "F(1";
    for (int i = 1; i < 20; ++i) twenty += ",1";
    symbols = readAll(twenty + ")", last);
    EXPECT_EQ(last, SymbolRead::End);
    EXPECT_EQ(symbols.at(0).count, 20);
    readAll(twenty + ",1)", last);
    EXPECT_EQ(last, SymbolRead::Failure);

    readAll("F(" + std::string(255, '1').replace(0, 2, "0.") + ")", last);
    EXPECT_EQ(last, SymbolRead::End);
    readAll("F(" + std::string(256, '1').replace(0, 2, "0.") + ")", last);
    EXPECT_EQ(last, SymbolRead::Failure);
    readAll("F(" + std::string(39, '9') + ")", last);  // too large for a float
    EXPECT_EQ(last, SymbolRead::Failure);
}

TEST(StringFiles, WritingCountingAndCopying)
{
    TempDir dir;
    const std::string path = dir.file("w.str");
    {
        OutFile out(path);
        out.write("p\n");
        const float values[] = {1.0f, 2.5f};
        WriteSymbol(out, 'F', values, 2);
        WriteSymbol(out, '[', values, 0);
        const float angle[] = {45.0f};
        WriteSymbol(out, '+', angle, 1);
        out.write("A(4.000000)]");
        ASSERT_TRUE(out.close());
    }
    EXPECT_EQ(TempDir::read(path), "p\nF(1.000000,2.500000)[+(45.000000)A(4.000000)]");
    StringStatistics stats;
    ASSERT_EQ(ReadStringStatistics(path, stats), 0);
    EXPECT_EQ(stats.symbolCount, 5);
    EXPECT_TRUE(stats.isParametric);

    ASSERT_EQ(ReadStringStatistics(dir.write("n.stt", "n\n60.000000\nE+F\nGH"), stats), 0);
    EXPECT_EQ(stats.symbolCount, 5);  // the later line counts too
    EXPECT_FALSE(stats.isParametric);
    ASSERT_EQ(ReadStringStatistics(dir.write("h.stt", "n\n90.000000\n"), stats), 0);
    EXPECT_EQ(stats.symbolCount, 0);
    EXPECT_EQ(ReadStringStatistics(dir.write("u.stt", "p\nFF(1"), stats), 2);
    EXPECT_EQ(ReadStringStatistics(dir.file("missing"), stats), 2);

    ASSERT_TRUE(CopyStringFile(path, dir.file("copy.str")));
    EXPECT_EQ(TempDir::read(dir.file("copy.str")), TempDir::read(path));
    EXPECT_FALSE(CopyStringFile(dir.file("missing"), dir.file("x.str")));
}

TEST(StringFiles, AxiomFileHeaders)
{
    TempDir dir;
    LSystem system;
    system.angle = 60.0f;
    system.axiom = "E+F+E-F";
    ASSERT_EQ(WriteAxiomFile(system, dir.file("a.stt")), 0);
    EXPECT_EQ(TempDir::read(dir.file("a.stt")), "n\n60.000000\nE+F+E-F\n");
    system.parametric = true;
    system.axiom.clear();
    ASSERT_EQ(WriteAxiomFile(system, dir.file("b.stt")), 0);
    EXPECT_EQ(TempDir::read(dir.file("b.stt")), "p\n");
    EXPECT_EQ(WriteAxiomFile(system, dir.file("no/such/dir.stt")), 2);
}

TEST(StringFiles, CutPassWritesTheNewHeader)
{
    TempDir dir;
    LSystem system;
    system.parametric = true;
    const std::string from = dir.write("c.stt", "n\n30.000000\nA[B%C[D]E]F\nignored");
    ASSERT_EQ(CutBranches(from, dir.file("c.st1"), system), 0);
    EXPECT_EQ(TempDir::read(dir.file("c.st1")), "p\nA[B]F");
    EXPECT_EQ(CutBranches(dir.write("e.stt", ""), dir.file("e.st1"), system), 2);
}

// Counting as the rules state it, a byte c and a byte d at a time with
// push-back: the reference the chunked counter must agree with.
int countLiterally(InFile& in, std::int64_t& count)
{
    std::string word;
    if (!in.readHeaderWord(word)) return kIoError;
    if (word == "n") in.readHeaderWord(word);
    for (count = 0;;) {
        const int c = in.get();
        if (c != kEof && c != '\n') ++count;
        const int d = in.get();
        if (d == kEof) return kDone;
        if (d != '(') {
            in.unget();
            continue;
        }
        for (int depth = 1; depth > 0;) {
            const int b = in.get();
            if (b == kEof || b == '\n') return kIoError;
            depth += b == '(' ? 1 : b == ')' ? -1 : 0;
        }
    }
}

// Random strings of the bytes that matter, some longer than a read buffer
// so that lists and symbols straddle its end.
TEST(StringFiles, CountingAgreesWithTheLiteralRuleOnRandomStrings)
{
    TempDir dir;
    LcgRandom random(7);
    const char alphabet[] = "F((()))\n,[]+";
    for (int round = 0; round < 300; ++round) {
        const std::size_t length = round % 100 == 0 ? 2500000 : static_cast<std::size_t>(random.next() % 40);
        std::string text = round % 2 ? "p\n" : "n\n90.000000\n";
        for (std::size_t i = 0; i < length; ++i) text += alphabet[random.next() % (sizeof alphabet - 1)];
        const std::string path = dir.write("r.str", text);
        InFile in(path);
        std::int64_t expected = 0;
        const int expectedResult = countLiterally(in, expected);
        StringStatistics stats;
        ASSERT_EQ(ReadStringStatistics(path, stats), expectedResult) << text.substr(0, 80);
        ASSERT_EQ(stats.symbolCount, expected) << text.substr(0, 80);
    }
}

}  // namespace
}  // namespace sprig::testing
