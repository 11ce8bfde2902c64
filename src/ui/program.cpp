#include "ui/program.h"

#include <QColor>
#include <QCoreApplication>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>

#include "settings/options_form.h"
#include "ui/about_box.h"
#include "ui/camera_window.h"
#include "ui/control_panel.h"
#include "ui/error_dialog.h"
#include "ui/front_dialogs.h"
#include "ui/help_window.h"
#include "ui/main_window.h"
#include "ui/options_dialog.h"
#include "ui/picture_2d_view.h"
#include "ui/picture_3d_view.h"
#include "ui/picture_window.h"
#include "ui/progress_window.h"
#include "ui/text_page_view.h"
#include "ui/window_placement.h"

namespace sprig {

namespace {

template <typename Sender, typename Signal, typename Command>
void wire(Sender* sender, Signal signal, Command command)
{
    QObject::connect(sender, signal, sender, [command] { command(); });
}

// A picture window's two saving commands.
void wireSaving(PictureWindow& window, int drawDimensions, PictureSaving& saving,
                const std::function<QImage()>& picture)
{
    wire(window.saveItem, &QAction::triggered, [&saving, picture] { saving.saveNumbered(picture); });
    wire(window.saveAsItem, &QAction::triggered,
         [&saving, picture, drawDimensions] { saving.saveAs(drawDimensions, picture); });
}

QColor toQColor(std::uint32_t colour)
{
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF));
}

std::uint32_t fromQColor(const QColor& colour)
{
    return static_cast<std::uint32_t>(colour.red()) | static_cast<std::uint32_t>(colour.green()) << 8 |
           static_cast<std::uint32_t>(colour.blue()) << 16;
}

}  // namespace

Program::Program()
    : targets_{&canvas_, 0, 0, &scene_}, random_(1),
      windows_(canvas_, SceneSource{sceneView_, scene_, settings_, targets_.backgroundColour}),
      ui_(windows_, targets_, sceneView_, settings_),
      driver_(state_, settings_, targets_,
              {ui_, random_, [this](int) { return static_cast<std::uint32_t>(clock_.nowSeconds()); }}),
      files_(state_, settings_, targets_, ui_, driver_), modes_(state_, settings_, targets_, ui_, driver_, files_),
      windowCommands_(settings_, ui_), pictures_(state_, ui_, driver_)
{
    windows_.panel->setRepeatCount(settings_.stepCount);
    wireMainWindow();
    wireControlPanel();
    wireWindowMenus();
    wireBoxes();
    wirePictureWindows();
}

// A job still running when the program ends is stopped and waited for,
// since its calls onto this thread need the event loop.
Program::~Program()
{
    if (!state_.threadRunning) return;
    driver_.BitBtn1Click();
    ui_.waitForWorker(state_.threadRunning);
}

void Program::start(const std::string& path)
{
    windows_.showAtStartUp();
    if (const QString failure = windows_.picture3dView->contextFailure(); !failure.isEmpty()) {
        auto* box = new QMessageBox(QMessageBox::NoIcon, "Sprigwork", failure, QMessageBox::Ok);
        box->setAttribute(Qt::WA_DeleteOnClose);
        keepAboveToolWindows(*box);
        box->show();
    }
    if (path.empty()) return;
    if (path.ends_with(".str")) modes_.BitBLSDrClick();
    ui_.answerNextDialog(path);
    files_.FileOpen();
}

void Program::wireMainWindow()
{
    TMainForm* main = windows_.main.get();
    wire(main->openItem, &QAction::triggered, [this] { files_.FileOpen(); });
    wire(main->saveDefinitionItem, &QAction::triggered, [this] { files_.FileSave(); });
    wire(main->saveDefinitionAsItem, &QAction::triggered, [this] { files_.FileSaveAs(); });
    wire(main->saveStringItem, &QAction::triggered, [this] { files_.UlozitRetClick(); });
    wire(main->saveStringAsItem, &QAction::triggered, [this] { files_.UlozitRetAkoClick(); });
    wire(main->exitItem, &QAction::triggered, [this] { modes_.exitProgram(); });
    wire(main->optionsItem, &QAction::triggered, [this] {
        driver_.finishWorker();
        windowCommands_.showOptions();
    });
    wire(main->colourItem, &QAction::triggered, [this] { chooseColour(targets_.penColour); });
    wire(main->backgroundItem, &QAction::triggered, [this] { chooseColour(targets_.backgroundColour); });
    wire(main->helpItem, &QAction::triggered, [this] { windowCommands_.showHelp(); });
    wire(main->aboutItem, &QAction::triggered, [this] { windowCommands_.showAbout(); });
    wire(main->timer, &QTimer::timeout, [this] { driver_.OnTimerEvent(); });
    main->onClose = [this] {
        modes_.mainWindowClosing();
        QCoreApplication::quit();
    };
}

void Program::wireControlPanel()
{
    TFormOvlPan* panel = windows_.panel.get();
    wire(panel->openButton, &QPushButton::clicked, [this] { files_.FileOpen(); });
    wire(panel->saveDefinitionButton, &QPushButton::clicked, [this] { files_.FileSave(); });
    wire(panel->saveStringButton, &QPushButton::clicked, [this] { files_.UlozitRetClick(); });
    wire(panel->backButton, &QPushButton::clicked, [this] { driver_.BSpatClick(); });
    wire(panel->resetButton, &QPushButton::clicked, [this] { driver_.BResetClick(); });
    wire(panel->forwardButton, &QPushButton::clicked, [this] { driver_.BDalejClick(); });
    wire(panel->repeatButton, &QPushButton::clicked, [this] { driver_.BXDalejClick(); });
    wire(panel->redrawButton, &QPushButton::clicked, [this] { driver_.BPrekresliClick(); });
    wire(panel->BitBLSR, &QPushButton::clicked, [this] { modes_.BitBLSRClick(); });
    wire(panel->BitBLSRDr, &QPushButton::clicked, [this] { modes_.BitBLSRDrClick(); });
    wire(panel->BitBLSDr, &QPushButton::clicked, [this] { modes_.BitBLSDrClick(); });
    wire(panel->exitButton, &QPushButton::clicked, [this] { modes_.exitProgram(); });
    wire(windows_.progress->stopButton, &QPushButton::clicked, [this] { driver_.BitBtn1Click(); });
}

void Program::wireWindowMenus()
{
    for (const WindowMenu& menu :
         {windows_.main->windowMenu, windows_.picture2d->windowMenu, windows_.picture3d->windowMenu}) {
        wire(menu.mainWindow, &QAction::triggered, [this] { windowCommands_.showMainWindow(); });
        wire(menu.picture, &QAction::triggered, [this] { windowCommands_.showPicture(); });
        wire(menu.controlPanel, &QAction::triggered, [this] { windowCommands_.showControlPanel(); });
        wire(menu.camera, &QAction::triggered, [this] { windowCommands_.showCamera(); });
    }
}

void Program::wireBoxes()
{
    windows_.error->onOk = [this] { driver_.errorDismissed(); };
    windows_.error->onClosed = [this] { driver_.errorDismissed(); };
    windows_.about->onOk = [this] { windowCommands_.aboutOk(); };
    windows_.about->onClosed = [this] { windowCommands_.aboutClosed(); };
    windows_.options->setForm(startUpOptionsForm(settings_));
    windows_.options->onOk = [this] { OKBtnClick(); };
    windows_.options->onCancel = [this] { CancelBtnClick(); };
    windows_.help->onClosed = [this] { windowCommands_.helpClosed(); };
}

void Program::wirePictureWindows()
{
    Picture2dView* view2d = windows_.picture2dView;
    Picture3dView* view3d = windows_.picture3dView;
    wireSaving(*windows_.picture2d, 2, pictures_, [view2d] { return view2d->grab().toImage(); });
    wireSaving(*windows_.picture3d, 3, pictures_, [view3d] { return view3d->picture(); });
    view3d->onFormatNote = [this](const std::string& line) { ui_.appendLog(line); };
    windows_.camera->onPress = [this](CameraButton button) { pressCamera(button); };
    view3d->onKey = [this](CameraButton button) { pressCamera(button); };
    view3d->onDrag = [this](int dx, int dy) {
        moveCamera([this, dx, dy](CameraEdits& edits, CameraState& camera, int dimensions) {
            return dragCamera(pointer_, dx, dy, edits, camera, dimensions);
        });
    };
    view3d->onWheel = [this](int delta) {
        moveCamera([this, delta](CameraEdits& edits, CameraState& camera, int dimensions) {
            return wheelCamera(pointer_, delta, edits, camera, dimensions);
        });
    };
}

void Program::pressCamera(CameraButton button)
{
    moveCamera([this, button](CameraEdits& edits, CameraState& camera, int dimensions) {
        return pressCameraButton(button, edits, camera, dimensions, scene_.sceneComplete);
    });
}

void Program::moveCamera(const std::function<CameraResponse(CameraEdits&, CameraState&, int)>& move)
{
    driver_.finishWorker();
    if (!windows_.camera->controlsEnabled()) return;
    CameraEdits edits = windows_.camera->edits();
    const CameraResponse response = move(edits, sceneView_.camera, settings_.effective.drawDimensions);
    windows_.camera->setEdits(edits);
    if (response.repaint) windows_.picture3dView->update();
    if (response.restoreWindow) ui_.restore(Window::Picture3d);
    if (response.redrawString) driver_.BPrekresliClick();
}

// The new choices take effect with the next job; only the repeat button's
// caption and the text views' visibility change at once.
void Program::OKBtnClick()
{
    OptionsForm form = windows_.options->form();
    applyOptionsForm(form, settings_);
    windows_.options->setForm(form);
    windows_.panel->setRepeatCount(settings_.stepCount);
    const bool shown[] = {settings_.showDefinitionText, settings_.showOptionsText, settings_.showStringText,
                          settings_.showInformation};
    for (int view = 0; view < TMainForm::kViewCount; ++view)
        if (windows_.main->tabs()->isTabVisible(view)) windows_.main->view(view)->setVisible(shown[view]);
    windowCommands_.optionsDone();
}

void Program::CancelBtnClick()
{
    windows_.options->setForm(optionsForm(settings_));
    windowCommands_.optionsDone();
}

void Program::chooseColour(std::uint32_t& colour)
{
    driver_.finishWorker();
    const QColor chosen = askColour(windows_.main.get(), toQColor(colour));
    if (chosen.isValid()) colour = fromQColor(chosen);
}

}  // namespace sprig
