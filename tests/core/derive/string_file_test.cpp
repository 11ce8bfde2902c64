#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <tuple>

#include "core/derive/branch_ends.h"
#include "core/derive/cut_pass.h"
#include "core/derive/string_file.h"
#include "core/derive/string_file_name.h"
#include "platform/job.h"
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
    EXPECT_EQ(std::tuple(lengthKB(0), lengthKB(1023), lengthKB(1024), lengthKB(40000)), std::tuple(1, 1, 2, 40));
}

class SymbolReading : public ::testing::Test {
protected:
    // Reads the symbols of text after its first `skipped` bytes.
    std::vector<Symbol> readAll(const std::string& text, SymbolRead& last, std::size_t skipped = 0)
    {
        InFile in(dir.write("s.txt", text));
        if (skipped > 0 && in.get() != kEof) in.skip(skipped - 1);
        std::vector<Symbol> symbols;
        Symbol s;
        while ((last = ReadSymbol(in, s, random)) == SymbolRead::Symbol) symbols.push_back(s);
        return symbols;
    }
    TempDir dir;
    LcgRandom random;
};

// Lists that are not closed on their line, hold what is no number, more than
// 20 values, a value of more than 255 characters or one too large for a
// float fail.
TEST_F(SymbolReading, ParametersAreEvaluatedAndBadListsFail)
{
    SymbolRead last;
    auto symbols = readAll("F(1.000000,-2.5)+(2*3)X(SQRT(16))\nQ", last);
    EXPECT_EQ(last, SymbolRead::End);
    ASSERT_EQ(symbols.size(), 3u);
    EXPECT_EQ(std::tuple(symbols[0].symbol, symbols[0].count, symbols[0].values[0], symbols[0].values[1]),
              std::tuple('F', 2, 1.0f, -2.5f));
    EXPECT_EQ(std::tuple(symbols[1].values[0], symbols[2].values[0]), std::tuple(6.0f, 4.0f));
    std::string twenty = "F(1";
    for (int i = 1; i < 20; ++i) twenty += ",1";
    symbols = readAll(twenty + ")", last);
    EXPECT_EQ(std::tuple(last, symbols.at(0).count), std::tuple(SymbolRead::End, 20));
    readAll("F(" + std::string(255, '1').replace(0, 2, "0.") + ")", last);
    EXPECT_EQ(last, SymbolRead::End);
    for (const std::string& bad :
         {std::string("AF(1,2"), std::string("F(1\n)"), std::string("F(x)"), twenty + ",1)",
          "F(" + std::string(256, '1').replace(0, 2, "0.") + ")", "F(" + std::string(39, '9') + ")"}) {
        readAll(bad, last);
        EXPECT_EQ(last, SymbolRead::Failure) << bad;
    }
}

// A list is read from the buffer when it stands there whole, and byte by
// byte when the buffer ends inside it: both ways give the same symbols.
TEST_F(SymbolReading, ListsAcrossTheEndOfTheBufferReadAsWithin)
{
    const std::string lists[] = {"(1.5,-2)", "(2*3,(4))", "(1\n)",
                                 "(x)",      "(1",        "(1,2,3,4,5,6,7,8,9,0,1,2,3,4,5,6,7,8,9,0,1)"};
    for (const std::string& list : lists) {
        SymbolRead whole;
        const std::vector<Symbol> expected = readAll("A" + list + "B", whole);
        for (std::size_t k = 1; k <= list.size() + 1; ++k) {
            const std::size_t pad = kFileBufferSize - k;
            SymbolRead last;
            const std::vector<Symbol> symbols = readAll(std::string(pad, 'F') + "A" + list + "B", last, pad);
            EXPECT_EQ(last, whole) << list << k;
            ASSERT_EQ(symbols.size(), expected.size()) << list << k;
            for (std::size_t i = 0; i < symbols.size(); ++i)
                EXPECT_EQ(std::tuple(symbols[i].symbol, symbols[i].count, symbols[i].values),
                          std::tuple(expected[i].symbol, expected[i].count, expected[i].values));
        }
    }
}

// Plain numbers in a list read as the float nearest them, as strtof reads
// them: short ones such as the files hold, long ones and ties.
TEST_F(SymbolReading, PlainNumbersReadAsTheNearestFloat)
{
    std::vector<std::string> texts{"16777217", "0.1", "-0.000000", "123456789012345", "1.00000005960464477539"};
    std::mt19937 g(11);
    for (int i = 0; i < 20000; ++i) {
        std::string digits = std::to_string(g()) + std::to_string(g());
        digits.resize(1 + g() % 16);
        if (g() % 4 != 0) digits.insert(digits.begin() + static_cast<std::ptrdiff_t>(g() % (digits.size() + 1)), '.');
        texts.push_back(g() % 3 == 0 ? "-" : "");
        texts.back() += digits;
    }
    std::string string;
    for (const std::string& t : texts) string += "A(" + t + ")";
    SymbolRead last;
    const std::vector<Symbol> symbols = readAll(string, last);
    ASSERT_EQ(symbols.size(), texts.size());
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const float expected = std::strtof(texts[i].c_str(), nullptr);
        EXPECT_EQ(std::bit_cast<std::uint32_t>(symbols[i].values[0]), std::bit_cast<std::uint32_t>(expected))
            << texts[i];
    }
    EXPECT_EQ(symbols[0].values[0], 16777216.0f);
    EXPECT_TRUE(std::signbit(symbols[2].values[0]));
}

// A list copied as it stands must be what reading its values and writing
// them gives: six-decimal texts of every size, many of them "%f" of no float.
TEST_F(SymbolReading, ListsCopiedAsTheyStandAreWhatReadingAndWritingGive)
{
    std::string twentyOne = "(1.000000";
    for (int i = 0; i < 20; ++i) twentyOne += ",1.000000";
    std::vector<std::string> copied{"(1.000000,0.900000)", "(-0.000000)", "(15.999999)", "(137.500000)",
                                    "(262143.984375)"};
    for (const std::string& list : copied) EXPECT_EQ(verbatimListLength(list), list.size()) << list;
    // "(16.000001)" reads as 16.000002.
    const std::string notCopied[] = {"(16.000001)", "(0.1)",     "(07.000000)",  "(1.0000000)",
                                     "(+1.000000)", "(1.000000", twentyOne + ")"};
    for (const std::string& list : notCopied) EXPECT_NE(verbatimListLength(list), list.size()) << list;
    std::mt19937 g(5);
    for (int i = 0; i < 20000; ++i) {
        std::string list;
        for (auto n = 1 + g() % 3; n > 0; --n) {
            char text[32];
            const auto whole = static_cast<unsigned>(g() % (g() % 2 == 0 ? 20 : 300000));
            const auto fraction = static_cast<unsigned>(g() % 1000000);
            std::snprintf(text, sizeof text, "%s%u.%06u", g() % 4 == 0 ? "-" : "", whole, fraction);
            list += list.empty() ? '(' : ',';
            list += text;
        }
        list += ")";
        if (verbatimListLength(list) == list.size()) copied.push_back(list);
    }
    EXPECT_GT(copied.size(), 2000u);
    std::string string;
    for (const std::string& list : copied) string += "A" + list;
    SymbolRead last;
    const std::vector<Symbol> symbols = readAll(string, last);
    OutFile out(dir.file("w.str"));
    for (const Symbol& s : symbols) WriteSymbol(out, s.symbol, s.values.data(), s.count);
    ASSERT_TRUE(out.close());
    EXPECT_EQ(TempDir::read(dir.file("w.str")), string);
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
    ASSERT_EQ(ReadStringStatistics(path, stats), kDone);
    EXPECT_EQ(stats.symbolCount, 5);
    EXPECT_TRUE(stats.isParametric);

    ASSERT_EQ(ReadStringStatistics(dir.write("n.stt", "n\n60.000000\nE+F\nGH"), stats), kDone);
    EXPECT_EQ(stats.symbolCount, 5);  // the later line counts too
    EXPECT_FALSE(stats.isParametric);
    ASSERT_EQ(ReadStringStatistics(dir.write("h.stt", "n\n90.000000\n"), stats), kDone);
    EXPECT_EQ(stats.symbolCount, 0);
    ASSERT_EQ(copyStringFile(path, dir.file("copy.str")), kDone);
    EXPECT_EQ(TempDir::read(dir.file("copy.str")), TempDir::read(path));

    // A failure comes back with the file and the reason that explain it.
    const struct {
        Result result;
        std::string path;
        std::string reason;
    } failures[] = {
        {ReadStringStatistics(dir.write("u.stt", "p\nFF(1"), stats), dir.file("u.stt"),
         "a parameter list is not closed"},
        {ReadStringStatistics(dir.write("e.stt", ""), stats), dir.file("e.stt"), "no string file header"},
        {ReadStringStatistics(dir.file("missing"), stats), dir.file("missing"), "No such file or directory"},
        {copyStringFile(dir.file("missing"), dir.file("x.str")), dir.file("missing"), "No such file or directory"},
        {copyStringFile(path, dir.file("no/x.str")), dir.file("no/x.str"), "No such file or directory"},
    };
    for (const auto& f : failures) {
        EXPECT_EQ(f.result.code, kIoError) << f.path;
        ASSERT_TRUE(f.result.failure) << f.path;
        EXPECT_EQ(f.result.failure->path + ": " + f.result.failure->reason, f.path + ": " + f.reason);
    }
}

// Values are written as printf's "%f" writes them: six decimals, exactly
// rounded, ties to even, whatever their size.
TEST(StringFiles, ValuesAreWrittenAsPercentF)
{
    const struct {
        float value;
        const char* text;
    } cases[] = {{0.0078125f, "0.007812"}, {0.0234375f, "0.023438"},           {-0.0f, "-0.000000"},
                 {-1e-9f, "-0.000000"},    {999999936.0f, "999999936.000000"}, {1e9f, "1000000000.000000"},
                 {-137.5f, "-137.500000"}};
    std::vector<float> values;
    std::string expected;
    for (const auto& c : cases) {
        values.push_back(c.value);
        expected += std::string("A(") + c.text + ")";
    }
    std::mt19937 g(3);
    for (int i = 0; i < 20000; ++i) {
        values.push_back(std::bit_cast<float>(static_cast<std::uint32_t>(g())));
        char text[64];
        std::snprintf(text, sizeof text, "A(%f)", static_cast<double>(values.back()));
        expected += text;
    }
    TempDir dir;
    OutFile out(dir.file("v.str"));
    for (float v : values) WriteSymbol(out, 'A', &v, 1);
    ASSERT_TRUE(out.close());
    EXPECT_EQ(TempDir::read(dir.file("v.str")), expected);
}

// The axiom file and the cut pass write the header of the rules read.
TEST(StringFiles, AxiomFileAndCutPassHeaders)
{
    TempDir dir;
    LSystem system;
    system.angle = 60.0f;
    system.axiom = "E+F+E-F";
    ASSERT_EQ(WriteAxiomFile(system, dir.file("a.stt")), kDone);
    EXPECT_EQ(TempDir::read(dir.file("a.stt")), "n\n60.000000\nE+F+E-F\n");
    system.parametric = true;
    system.axiom.clear();
    ASSERT_EQ(WriteAxiomFile(system, dir.file("b.stt")), kDone);
    EXPECT_EQ(TempDir::read(dir.file("b.stt")), "p\n");
    EXPECT_EQ(WriteAxiomFile(system, dir.file("no/such/dir.stt")), kIoError);

    const std::string from = dir.write("c.stt", "n\n30.000000\nA[B%C[D]E]F\nignored");
    ASSERT_EQ(CutBranches(from, dir.file("c.st1"), system, SilentJob()), kDone);
    EXPECT_EQ(TempDir::read(dir.file("c.st1")), "p\nA[B]F");
    EXPECT_EQ(CutBranches(dir.write("e.stt", ""), dir.file("e.st1"), system, SilentJob()), kIoError);
}

// The passes that read a whole file before rewriting or showing it end at a
// stop request as the rewriting itself does, so that Stop is never kept
// waiting by a long string.
TEST(StringFiles, WholeFileReadsEndAtAStopRequest)
{
    TempDir dir;
    const std::string path = dir.write("s.stt", "n\n90.000000\nA[B%C]" + std::string(100000, 'F'));
    SilentJob stopped;
    stopped.requestStop();
    EXPECT_EQ(CutBranches(path, dir.file("s.st1"), LSystem{}, stopped), kStopped);
    StringStatistics stats;
    EXPECT_EQ(ReadStringStatistics(path, stats, &stopped), kStopped);
    InFile plain(dir.write("p.stt", "FFFF"));
    EXPECT_TRUE(holdsCuts(plain, stopped));
    InFile in(path);
    BranchEnds ends;
    EXPECT_FALSE(ends.survey(in, stopped));
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
