// The pictures the windows save, against the batch command's pictures of the
// same step, size and camera: the same pixels in 2D, and in 3D the same
// picture as the off-screen renderer's up to a few stray pixels.

#include <QImageReader>
#include <QLineEdit>
#include <cstdio>
#include <filesystem>
#include <utility>

#include "cli/batch_runner.h"
#include "cli/bitmap_file.h"
#include "program_fixture.h"
#include "ui/camera_window.h"
#include "ui/picture_window.h"
#include "ui/progress_window.h"
#include "ui/windows.h"

namespace sprig::testing {
namespace {

// Two renderers of the same scene may round a few edge pixels differently:
// at most 1 pixel in 1000 may differ by more than 8 in a channel.
constexpr int kChannelTolerance = 8;
constexpr int kStrayPixelsPer = 1000;

int differingPixels(const Bitmap& a, const Bitmap& b)
{
    int differing = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            for (int c = 0; c < 3; ++c)
                if (std::abs(a.at(x, y)[c] - b.at(x, y)[c]) > kChannelTolerance) {
                    ++differing;
                    break;
                }
    return differing;
}

class PictureTest : public ProgramTest {
protected:
    // Opens a copy of a bundled example and steps it to step 2.
    void stepExample(const std::string& name)
    {
        example = name;
        for (const char* extension : {".ls", ".op"})
            std::filesystem::copy_file(std::string(SPRIG_SOURCE_DIR) + "/examples/" + name + extension,
                                       dir.file(name + extension));
        stepAgain();
    }
    void stepAgain()
    {
        open(dir.file(example + ".ls"));
        for (int i = 0; i < 3; ++i) click(panel().forwardButton);
    }

    // Saves the window's picture under its numbered name, keeps it as
    // window.bmp, and lets the batch command write its own under that name.
    std::pair<Bitmap, Bitmap> savedAndBatch(PictureWindow& window, const std::string& camera)
    {
        trigger(window.saveItem);
        std::filesystem::rename(pictureName(), dir.file("window.bmp"));
        Bitmap saved(TempDir::read(dir.file("window.bmp")));
        const std::string size = std::to_string(saved.width()) + "x" + std::to_string(saved.height());
        const BatchResult batch =
            runBatch(dir, "--mode 'LSR&D' --steps 2 --size " + size + " " + camera + " " + dir.file(example + ".ls"));
        EXPECT_EQ(batch.status, kDone) << batch.err;
        return {std::move(saved), Bitmap(TempDir::read(pictureName()))};
    }
    std::string pictureName() const { return dir.file(example + "_002.bmp"); }

    std::string example;
};

TEST_F(PictureTest, The2dWindowSavesItsClientAreaAsTheBatchCommandDrawsIt)
{
    stepExample("bracketed_plant");
    const auto [saved, batch] = savedAndBatch(*program.windows().picture2d, "");
    const QWidget& clientArea = *program.windows().picture2d->centralWidget();
    EXPECT_EQ(std::pair(saved.width(), saved.height()), std::pair(clientArea.width(), clientArea.height()));
    EXPECT_GT(saved.litPixels(), 100);
    EXPECT_EQ(TempDir::read(dir.file("window.bmp")), TempDir::read(pictureName()));
}

TEST_F(PictureTest, The3dWindowMatchesTheOffscreenPictureAfterEveryCameraMove)
{
#if defined(__SANITIZE_THREAD__)
    GTEST_SKIP() << "the batch command cannot load its off-screen 3D module under ThreadSanitizer";
#endif
    stepExample("plant_3d");
    const double fitted = program.sceneView().camera.distance;
    char closer[64];
    std::snprintf(closer, sizeof closer, "--distance %.17g", fitted / static_cast<double>(1.2f));
    struct Row {
        QPushButton* TFormOvl3D::*button;
        std::string camera;  // the batch command's camera after the press
    };
    const Row rows[] = {
        {nullptr, ""},
        {&TFormOvl3D::BVlavo, "--azimuth -81"},
        {&TFormOvl3D::BDole, "--azimuth -81 --elevation 99"},
        {&TFormOvl3D::BBlizsie, "--azimuth -81 --elevation 99 " + std::string(closer)},
        {&TFormOvl3D::BDalej, "--azimuth -81 --elevation 99"},
    };
    TFormOvl3D& camera = *program.windows().camera;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.camera);
        if (row.button) click(camera.*row.button);
        const auto [saved, batch] = savedAndBatch(*program.windows().picture3d, row.camera);
        ASSERT_EQ(std::pair(saved.width(), saved.height()), std::pair(batch.width(), batch.height()));
        EXPECT_GT(saved.litPixels(), saved.width() * saved.height() / 50);
        EXPECT_LE(differingPixels(saved, batch), saved.width() * saved.height() / kStrayPixelsPer);
    }
    // Opening the file again puts the camera back where it started.
    stepAgain();
    const auto [saved, batch] = savedAndBatch(*program.windows().picture3d, "");
    EXPECT_LE(differingPixels(saved, batch), saved.width() * saved.height() / kStrayPixelsPer);
}

// "Uložiť obrázok ako" writes the format the chosen name asks for: a PNG of
// what the window shows, the very pixels of its bitmap, and an SVG of the 2D
// drawing as a job of the worker, named in the information view.
TEST_F(ProgramTest, SaveAsWritesTheFormatTheNameAsksFor)
{
    open(dir.write("leaf.ls", "axiom F+F\n"));
    click(panel().forwardButton);
    for (const char* name : {"leaf.png", "leaf"}) {
        chosenFile = dir.file(name);
        trigger(program.windows().picture3d->saveAsItem);
    }
    QImageReader reader(QString::fromStdString(dir.file("leaf.png")));
    EXPECT_EQ(reader.format(), "png");
    const QImage png = reader.read();
    ASSERT_FALSE(png.isNull());
    EXPECT_EQ(png.convertToFormat(QImage::Format_RGB32),
              QImage(QString::fromStdString(dir.file("leaf.bmp"))).convertToFormat(QImage::Format_RGB32));
    chosenFile = dir.file("leaf.ply");
    trigger(program.windows().picture3d->saveAsItem);
    EXPECT_EQ(lastLogLine().toStdString(), "Exported: " + chosenFile);
    EXPECT_EQ(TempDir::read(chosenFile).rfind("ply\nformat binary_little_endian 1.0\n", 0), 0u);

    dir.write("flat.op", "draw_dimensions=2\n");
    open(dir.write("flat.ls", "axiom F+F\n"));
    click(panel().forwardButton);
    chosenFile = dir.file("flat.svg");
    trigger(program.windows().picture2d->saveAsItem);
    EXPECT_EQ(lastLogLine().toStdString(), "Exported: " + chosenFile);
    EXPECT_EQ(TempDir::read(chosenFile).rfind("<?xml", 0), 0u);
    EXPECT_EQ(std::pair(main().isEnabled(), program.windows().progress->isVisible()), std::pair(true, false));
}

// Edits that do not start with a number keep their values; a picture that
// cannot be written is reported and nothing else changes.
TEST_F(ProgramTest, BadCameraEditsAndUnwritablePicturesChangeNothingElse)
{
    open(dir.write("stem.ls", "axiom F\n"));
    click(panel().forwardButton);
    TFormOvl3D& camera = *program.windows().camera;
    const double distance = program.sceneView().camera.distance;
    camera.Edit1->setText("abc");
    camera.Edit2->setText("-");
    click(camera.BVlavo);
    EXPECT_EQ(std::tuple(camera.Edit1->text(), camera.Edit2->text(), program.sceneView().camera.azimuth,
                         program.sceneView().camera.distance),
              std::tuple(QString("9.000000"), QString("1.200000"), -81.0f, distance));

    chosenFile = dir.file("missing/stem");
    trigger(program.windows().picture3d->saveAsItem);
    EXPECT_TRUE(error().isVisible());
    EXPECT_EQ(error().message->text().toStdString(), "Chyba : súbor sa nepodarilo uložiť\n" + chosenFile + ".bmp");
    EXPECT_EQ(lastLogLine().toStdString(), "Error: file not saved: " + chosenFile + ".bmp: No such file or directory");
    EXPECT_EQ(dir.names(), (std::vector<std::string>{"stem.ls", "stem_000.stt"}));
}

}  // namespace
}  // namespace sprig::testing
