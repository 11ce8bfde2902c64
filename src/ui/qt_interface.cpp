#include "ui/qt_interface.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTextBlock>
#include <QTimer>
#include <algorithm>
#include <utility>

#include "app/drawing_targets.h"
#include "platform/canvas.h"
#include "platform/qt/cp1250_text.h"
#include "platform/qt/qimage_canvas.h"
#include "platform/qt/ui_thread.h"
#include "ui/camera_window.h"
#include "ui/control_panel.h"
#include "ui/error_dialog.h"
#include "ui/front_dialogs.h"
#include "ui/main_window.h"
#include "ui/picture_2d_view.h"
#include "ui/picture_3d_view.h"
#include "ui/picture_window.h"
#include "ui/progress_window.h"
#include "ui/text_page_view.h"
#include "ui/windows.h"
#include "views/camera_moves.h"
#include "views/fit_view.h"
#include "views/picture_name.h"

namespace sprig {

namespace {

// The information view holds the program's own lines; the other three hold
// files' texts.
bool holdsFileText(TextView view) { return view != TextView::Information; }

// A text view breaks lines at a carriage return; one that ends no line is
// shown as the symbol for it instead, and saved as the byte again.
constexpr QChar kCarriageReturnSymbol(0x240D);

QString fileTextForView(const std::string& bytes) { return decodeCp1250(bytes).replace('\r', kCarriageReturnSymbol); }

std::string fileTextFromView(QString text) { return encodeCp1250(text.replace(kCarriageReturnSymbol, '\r')); }

int dimensionsOf(FileDialog dialog) { return dialog == FileDialog::SavePicture2d ? 2 : 3; }

FileDialogLook dialogLook(FileDialog dialog)
{
    switch (dialog) {
    case FileDialog::OpenDefinition: return {QString::fromUtf8("L-systém súbor (*.ls)"), false};
    case FileDialog::SaveDefinition: return {QString::fromUtf8("L-systém súbor (*.ls)"), true};
    case FileDialog::OpenString: return {QString::fromUtf8("Reťazec L-systému (*.str)"), false};
    case FileDialog::SaveString: return {QString::fromUtf8("Reťazec L-systému (*.str)"), true};
    case FileDialog::SavePicture2d:
    case FileDialog::SavePicture3d: {
        QStringList filters;
        for (const PictureFilter& filter : pictureFilters(dimensionsOf(dialog)))
            filters << QString::fromStdString(filter.text);
        return {filters.join(";;"), true, QFileDialog::DontConfirmOverwrite};
    }
    }
    return {};
}

// The extension of the picture filter chosen, the bitmap's when none is.
std::string extensionOf(const QString& chosenFilter, int drawDimensions)
{
    for (const PictureFilter& filter : pictureFilters(drawDimensions))
        if (chosenFilter == QString::fromStdString(filter.text)) return filter.extension;
    return ".bmp";
}

}  // namespace

QtInterface::QtInterface(Windows& windows, DrawingTargets& targets, SceneView& scene, const Settings& settings)
    : windows_(windows), targets_(targets), scene_(scene), settings_(settings)
{
}

void QtInterface::setEnabled(Window window, bool enabled) { windows_.window(window).setEnabled(enabled); }

bool QtInterface::isEnabled(Window window) { return windows_.window(window).isEnabled(); }

void QtInterface::setEnabled(Control control, bool enabled)
{
    TFormOvlPan& panel = *windows_.panel;
    TMainForm& main = *windows_.main;
    switch (control) {
    case Control::Forward: panel.forwardButton->setEnabled(enabled); break;
    case Control::Back: panel.backButton->setEnabled(enabled); break;
    case Control::Repeat: panel.repeatButton->setEnabled(enabled); break;
    case Control::Redraw: panel.redrawButton->setEnabled(enabled); break;
    case Control::Reset: panel.resetButton->setEnabled(enabled); break;
    case Control::SaveDefinitionButton: panel.saveDefinitionButton->setEnabled(enabled); break;
    case Control::SaveStringButton: panel.saveStringButton->setEnabled(enabled); break;
    case Control::SaveDefinitionItems:
        main.saveDefinitionItem->setEnabled(enabled);
        main.saveDefinitionAsItem->setEnabled(enabled);
        break;
    case Control::SaveStringItems:
        main.saveStringItem->setEnabled(enabled);
        main.saveStringAsItem->setEnabled(enabled);
        break;
    case Control::SavePicture2dItems: windows_.picture2d->setSavingEnabled(enabled); break;
    case Control::SavePicture3dItems: windows_.picture3d->setSavingEnabled(enabled); break;
    case Control::CameraButtons: windows_.camera->setControlsEnabled(enabled); break;
    case Control::PictureItem: main.windowMenu.picture->setEnabled(enabled); break;
    }
}

void QtInterface::setVisible(Window window, bool visible) { windows_.window(window).setVisible(visible); }

void QtInterface::restore(Window window)
{
    QWidget& widget = windows_.window(window);
    if (widget.isMinimized()) widget.showNormal();
}

// In the control panel the focus goes to ">>", so that Return and Space
// take the next step, never the file dialog of the open button.
void QtInterface::focus(Window window)
{
    QWidget& widget = windows_.window(window);
    widget.raise();
    widget.activateWindow();
    QPushButton& forward = *windows_.panel->forwardButton;
    if (window == Window::ControlPanel && forward.isEnabled()) forward.setFocus();
}

void QtInterface::repaint(Window window)
{
    windows_.window(window).update();
    if (window == Window::Picture2d) windows_.picture2dView->refresh();
    if (window == Window::Picture3d) windows_.picture3dView->update();
}

void QtInterface::setCaption(const std::string& caption)
{
    windows_.main->setWindowTitle(QString::fromStdString(caption));
}

void QtInterface::setStatus(StatusPanel panel, const std::string& text)
{
    windows_.main->setStatus(static_cast<int>(panel), QString::fromStdString(text));
}

void QtInterface::setStepLabel(const std::string& text)
{
    windows_.panel->stepLabel->setText(QString::fromStdString(text));
}

void QtInterface::highlightMode(RunMode mode) { windows_.panel->highlightMode(mode); }

void QtInterface::setTabVisible(TextView view, bool visible)
{
    windows_.main->tabs()->setTabVisible(static_cast<int>(view), visible);
}

TextPageView& QtInterface::view(TextView which) const { return *windows_.main->view(static_cast<int>(which)); }

void QtInterface::setViewVisible(TextView which, bool visible) { view(which).setVisible(visible); }

void QtInterface::setEditable(TextView which, bool editable) { view(which).setReadOnly(!editable); }

void QtInterface::setText(TextView which, const std::string& text)
{
    view(which).setPlainText(holdsFileText(which) ? fileTextForView(text) : QString::fromStdString(text));
}

// Line by line from the document's blocks, so that every character comes
// back as it was put in (a plain-text copy would turn no-break spaces into
// spaces).
std::vector<std::string> QtInterface::lines(TextView which)
{
    std::vector<std::string> result;
    const QTextDocument& document = *view(which).document();
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        result.push_back(holdsFileText(which) ? fileTextFromView(block.text()) : block.text().toStdString());
    if (!result.empty() && result.back().empty()) result.pop_back();
    return result;
}

void QtInterface::markErrorRow(TextView which, int row, const std::string& detail)
{
    if (row) windows_.main->tabs()->setCurrentIndex(static_cast<int>(which));
    view(which).markRow(row, QString::fromStdString(detail));
}

void QtInterface::appendLog(std::string_view line)
{
    view(TextView::Information).appendPlainText(QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size())));
}

void QtInterface::followProgress(const JobProgress& progress) { windows_.progress->follow(progress); }

void QtInterface::showError(const std::string& text) { windows_.error->showMessage(QString::fromStdString(text)); }

std::optional<std::string> QtInterface::chooseFile(FileDialog dialog)
{
    if (answer_) return std::exchange(answer_, std::nullopt);
    if (fileChooser) return fileChooser(dialog);
    return askUser(dialog);
}

std::optional<std::string> QtInterface::askUser(FileDialog dialog) const
{
    QString filter;
    const QString path = askFileName(windows_.main.get(), dialogLook(dialog), &filter);
    if (path.isEmpty()) return std::nullopt;
    const std::string name = QFile::encodeName(path).toStdString();
    if (dialog != FileDialog::SavePicture2d && dialog != FileDialog::SavePicture3d) return name;
    const int dimensions = dimensionsOf(dialog);
    return chosenPictureName(name, dimensions, extensionOf(filter, dimensions));
}

void QtInterface::beep() { QApplication::beep(); }

void QtInterface::setTimerEnabled(bool enabled)
{
    QTimer& timer = *windows_.main->timer;
    if (enabled) timer.start();
    else timer.stop();
}

// The picture is fitted into the part of the bitmap that the 2D window
// shows below its menu.
void QtInterface::clearPicture2d()
{
    const QSize area = windows_.picture2dView->size();
    targets_.areaWidth = std::min(area.width(), QImageCanvas::kDefaultWidth);
    targets_.areaHeight = std::min(area.height(), QImageCanvas::kDefaultHeight);
    targets_.canvas->fill(targets_.backgroundColour);
    windows_.picture2dView->refresh();
    windows_.picture2dView->setPictureShown(true);
}

void QtInterface::setPicture2dShown(bool shown) { windows_.picture2dView->setPictureShown(shown); }

void QtInterface::setSceneReady(bool ready) { scene_.sceneReady = ready; }

void QtInterface::sceneDrawn()
{
    fitView(scene_, *targets_.scene, settings_);
    windows_.picture3dView->update();
}

void QtInterface::resetCamera() { sprig::resetCamera(scene_.camera); }

void QtInterface::takeOverPlace(Window from, Window to)
{
    const QWidget& old = windows_.window(from);
    QWidget& taking = windows_.window(to);
    taking.setGeometry(old.geometry());
    taking.setWindowState(old.windowState());
}

void QtInterface::setDimensionLabel(int drawDimensions) { windows_.camera->setDimensionLabel(drawDimensions); }

void QtInterface::closeMainWindow() { windows_.main->close(); }

void QtInterface::runOnUiThread(const std::function<void()>& routine) { calls_.call(routine); }

void QtInterface::waitForWorker(const std::atomic<bool>& running) { processEventsWhile(running); }

}  // namespace sprig
