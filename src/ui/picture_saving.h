#pragma once
// The picture windows' "&Uložiť obrázok" and "Uložiť obrázok &ako": what a
// window shows, written as a .bmp file under the name of the current files
// and step or under one the user chooses. The file is written whole or not
// at all, and one that cannot be written is reported.

#include <string>

class QImage;

namespace sprig {

class StepDriver;
class UserInterface;
struct RunState;

class PictureSaving {
public:
    PictureSaving(const RunState& state, UserInterface& ui, StepDriver& driver);

    void saveNumbered(const QImage& picture);
    // Nothing is written when the dialog is cancelled.
    void saveAs(const QImage& picture);

private:
    void write(const QImage& picture, const std::string& path);

    const RunState& state_;
    UserInterface& ui_;
    StepDriver& driver_;
};

}  // namespace sprig
