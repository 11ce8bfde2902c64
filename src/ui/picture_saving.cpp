#include "ui/picture_saving.h"

#include <QImage>

#include "app/result_messages.h"
#include "app/step_driver.h"
#include "platform/qt/image_bmp.h"
#include "platform/qt/image_png.h"
#include "views/picture_name.h"

namespace sprig {

PictureSaving::PictureSaving(const RunState& state, UserInterface& ui, StepDriver& driver)
    : state_(state), ui_(ui), driver_(driver)
{
}

void PictureSaving::saveNumbered(const std::function<QImage()>& picture)
{
    driver_.finishWorker();
    write(picture(), state_.runMode == RunMode::LSRD ? numberedPictureName(state_.definitionPath, state_.StepsDone - 1)
                                                     : stringPictureName(state_.stringPath));
}

void PictureSaving::saveAs(int drawDimensions, const std::function<QImage()>& picture)
{
    driver_.finishWorker();
    const FileDialog dialog = drawDimensions == 2 ? FileDialog::SavePicture2d : FileDialog::SavePicture3d;
    const std::optional<std::string> chosen = ui_.chooseFile(dialog);
    if (!chosen) return;
    const std::string path = chosenPictureName(*chosen, drawDimensions);
    const PictureFormat format = pictureFormatOf(path).value_or(PictureFormat::Bmp);
    if (format == PictureFormat::Bmp || format == PictureFormat::Png) write(picture(), path, format);
    else driver_.startExport(format, path);
}

void PictureSaving::write(const QImage& picture, const std::string& path, PictureFormat format)
{
    const Result written = format == PictureFormat::Png ? writeImagePng(path, picture) : writeImageBmp(path, picture);
    if (!written.failed()) return;
    const ResultMessage message = saveErrorMessage(path, written.failure);
    driver_.showFailure(message.dialog, message.logLine);
}

}  // namespace sprig
