#include "ui/picture_saving.h"

#include "app/result_messages.h"
#include "app/step_driver.h"
#include "platform/qt/image_bmp.h"
#include "views/picture_name.h"

namespace sprig {

PictureSaving::PictureSaving(const RunState& state, UserInterface& ui, StepDriver& driver)
    : state_(state), ui_(ui), driver_(driver)
{
}

void PictureSaving::saveNumbered(const QImage& picture)
{
    write(picture, state_.runMode == RunMode::LSRD ? numberedPictureName(state_.definitionPath, state_.StepsDone - 1)
                                                   : stringPictureName(state_.stringPath));
}

void PictureSaving::saveAs(const QImage& picture)
{
    if (const std::optional<std::string> chosen = ui_.chooseFile(FileDialog::SavePicture))
        write(picture, chosenPictureName(*chosen));
}

void PictureSaving::write(const QImage& picture, const std::string& path)
{
    forgetFileFailure();
    if (writeImageBmp(path, picture)) return;
    const ResultMessage message = saveErrorMessage(path, lastFileFailure());
    driver_.showFailure(message.dialog, message.logLine);
}

}  // namespace sprig
