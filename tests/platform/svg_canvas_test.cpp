#include "platform/svg_canvas.h"

#include <gtest/gtest.h>

#include <functional>

#include "support/temp_dir.h"

namespace sprig::testing {
namespace {

const std::string kHead = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                          "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"40\" height=\"30\" "
                          "viewBox=\"-0.5 -0.5 40 30\" fill=\"none\" stroke-linecap=\"round\" "
                          "stroke-linejoin=\"round\">\n";

TEST(SvgCanvas, ConnectedLinesOfOneStyleAreOnePathOfRelativeMoves)
{
    struct Case {
        const char* name;
        std::function<void(SvgCanvas&)> draw;
        std::string body;
    } const cases[] = {
        {"joined; a move to the end and a line of no length keep the path",
         [](SvgCanvas& c) {
             c.setPenColour(0x00336699);
             c.moveTo(10, 20);
             c.lineTo(13, 20);
             c.lineTo(13, 16);
             c.moveTo(13, 16);
             c.lineTo(13, 16);
             c.lineTo(12, 17);
         },
         "<path stroke=\"#996633\" d=\"M10 20l3 0 0-4-1 1\"/>\n"},
        {"a new colour, a new width or a jump starts a new path; a dot stays",
         [](SvgCanvas& c) {
             c.lineTo(5, 0);
             c.setPenColour(0x000000FF);
             c.lineTo(5, 5);
             c.setPenWidth(3);
             c.lineTo(0, 5);
             c.moveTo(9, 9);
             c.lineTo(9, 9);
         },
         "<path stroke=\"#000000\" d=\"M0 0l5 0\"/>\n<path stroke=\"#ff0000\" d=\"M5 0l0 5\"/>\n"
         "<path stroke=\"#ff0000\" stroke-width=\"3\" d=\"M5 5l-5 0\"/>\n"
         "<path stroke=\"#ff0000\" stroke-width=\"3\" d=\"M9 9l0 0\"/>\n"},
        {"width 0 is one pixel; far ends do not overflow",
         [](SvgCanvas& c) {
             c.setPenWidth(3);
             c.setPenWidth(0);
             c.moveTo(-1073741824, 5);
             c.lineTo(1073741824, -5);
         },
         "<path stroke=\"#000000\" d=\"M-1073741824 5l2147483648-10\"/>\n"},
        {"a fill covers the picture and ends the path",
         [](SvgCanvas& c) {
             c.lineTo(1, 1);
             c.fill(0x00102030);
             c.lineTo(2, 2);
         },
         "<path stroke=\"#000000\" d=\"M0 0l1 1\"/>\n"
         "<rect x=\"-0.5\" y=\"-0.5\" width=\"40\" height=\"30\" fill=\"#302010\"/>\n"
         "<path stroke=\"#000000\" d=\"M1 1l1 1\"/>\n"},
    };
    TempDir dir;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SvgCanvas canvas(dir.file("a.svg"), 40, 30);
        ASSERT_TRUE(canvas.isOpen());
        c.draw(canvas);
        ASSERT_TRUE(canvas.finish());
        EXPECT_EQ(TempDir::read(dir.file("a.svg")), kHead + c.body + "</svg>\n");
    }
}

TEST(SvgCanvas, OnlyAFinishedDocumentIsLeftAndAnUnwritableNameSaysWhy)
{
    TempDir dir;
    {
        SvgCanvas canvas(dir.file("stopped.svg"), 40, 30);
        canvas.lineTo(3, 3);
    }
    EXPECT_TRUE(dir.names().empty());
    const SvgCanvas missing(dir.file("no/such.svg"), 40, 30);
    EXPECT_FALSE(missing.isOpen());
    ASSERT_TRUE(missing.failure());
    EXPECT_EQ(missing.failure()->reason, "No such file or directory");
}

}  // namespace
}  // namespace sprig::testing
