#pragma once
// The picture windows' "&Uložiť obrázok" and "Uložiť obrázok &ako": what a
// window shows, written as a .bmp file under the name of the current files
// and step or under one the user chooses. The file is written whole or not
// at all, and one that cannot be written is reported.

#include <functional>
#include <string>

#include "platform/picture_format.h"

class QImage;

namespace sprig {

class StepDriver;
class UserInterface;
struct RunState;

class PictureSaving {
public:
    PictureSaving(const RunState& state, UserInterface& ui, StepDriver& driver);

    // Each command first lets a worker that still runs after Stop end, so
    // that picture() reads what the window shows once nothing draws into it.
    void saveNumbered(const std::function<QImage()>& picture);
    // Nothing is written when the dialog is cancelled. A bitmap or a PNG is
    // what the window shows; SVG, OBJ and PLY are exported from the string
    // by a job of the worker.
    void saveAs(int drawDimensions, const std::function<QImage()>& picture);

private:
    void write(const QImage& picture, const std::string& path, PictureFormat format = PictureFormat::Bmp);

    const RunState& state_;
    UserInterface& ui_;
    StepDriver& driver_;
};

}  // namespace sprig
