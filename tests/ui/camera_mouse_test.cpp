// The mouse and the keys in the 3D window move the camera as the camera
// window's buttons do, through the same edits: a drag and the wheel only
// repaint, while a key presses its button and so draws a cut scene again.

#include <QLineEdit>
#include <QSignalSpy>
#include <QWheelEvent>

#include "program_fixture.h"
#include "ui/camera_window.h"
#include "ui/picture_3d_view.h"
#include "ui/windows.h"

namespace sprig::testing {
namespace {

class CameraMouseTest : public ProgramTest {
protected:
    Picture3dView& view3d() { return *program.windows().picture3dView; }
    const CameraState& camera() { return program.sceneView().camera; }

    void wheel(int delta)
    {
        const QPointF at(50, 50);
        QWheelEvent event(at, view3d().mapToGlobal(at), {}, {0, delta}, Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                          false);
        QApplication::sendEvent(&view3d(), &event);
    }
    // Waits for the repaint that the last move asked for.
    void expectRepaint(QSignalSpy& swapped)
    {
        EXPECT_TRUE(swapped.wait(5000));
        swapped.clear();
    }
};

TEST_F(CameraMouseTest, DragsAndTheWheelRepaintOnlyAndKeysPressTheButtons)
{
    // Step 5 has 100000 segments: the scene is cut at 50000, so a rotation
    // button draws the string again.
    dir.write("row.op", "draw_dimensions=3\n");
    open(dir.write("row.ls", "axiom F\n#F->FFFFFFFFFF\n"));
    for (int step = 0; step <= 5; ++step) click(panel().forwardButton);
    TFormOvl3D& window = *program.windows().camera;
    window.Edit1->setText("30");
    window.Edit2->setText("2");
    const double fitted = camera().distance;
    const QString info = view(TextView::Information);
    QApplication::processEvents();  // the paint of the last step
    QSignalSpy swapped(&view3d(), &QOpenGLWidget::frameSwapped);

    // 25 px right: two steps of "Vľavo"; then 1 px right and 45 px up: the
    // 6 px left over stay short of a step, and four steps of "Dole".
    QTest::mousePress(&view3d(), Qt::LeftButton, {}, {100, 100});
    QTest::mouseMove(&view3d(), {125, 100});
    EXPECT_EQ(std::tuple(camera().azimuth, camera().elevation), std::tuple(-30.0f, 90.0f));
    expectRepaint(swapped);
    QTest::mouseMove(&view3d(), {126, 55});
    QTest::mouseRelease(&view3d(), Qt::LeftButton, {}, {126, 55});
    EXPECT_EQ(std::tuple(camera().azimuth, camera().elevation), std::tuple(-30.0f, 210.0f));
    EXPECT_EQ(std::tuple(window.Edit1->text(), window.Edit2->text()), std::tuple("30.000000", "2.000000"));
    // A notch away is "Bližšie", two towards the user "Ďalej" twice.
    wheel(120);
    EXPECT_EQ(camera().distance, fitted / 2);
    wheel(-240);
    EXPECT_EQ(camera().distance, fitted * 2);
    expectRepaint(swapped);
    EXPECT_EQ(program.state().threadRunning, false);
    EXPECT_EQ(view(TextView::Information), info);

    // Right: "Vpravo" from -30 by 30 wraps to 300, and the cut scene is
    // drawn again, which fits the distance anew; "+" then halves it.
    QTest::keyClick(&view3d(), Qt::Key_Right);
    finishJob();
    EXPECT_EQ(std::tuple(camera().azimuth, camera().elevation, camera().distance), std::tuple(300.0f, 210.0f, fitted));
    EXPECT_NE(view(TextView::Information), info);
    QTest::keyClick(&view3d(), Qt::Key_Plus);
    QTest::keyClick(&view3d(), Qt::Key_Up);
    finishJob();
    EXPECT_EQ(std::tuple(camera().elevation, camera().distance), std::tuple(180.0f, fitted));
}

}  // namespace
}  // namespace sprig::testing
