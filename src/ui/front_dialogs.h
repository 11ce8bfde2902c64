#pragma once
// The file and colour dialogs, in front of the tool windows. The control
// panel and the camera window stay on top of every ordinary window, so a
// dialog must stay on top as well to be seen whole; only Qt's own dialogs
// take that flag (a desktop's native dialog does not), and only they speak
// the Slovak that the program loads for Qt.

#include <QFileDialog>

class QColor;
class QWidget;

namespace sprig {

struct FileDialogLook {
    QString filter;
    bool save = false;
    QFileDialog::Options options = {};
};

// The chosen path, or an empty one when the dialog is cancelled; the filter
// chosen too, when asked for.
QString askFileName(QWidget* parent, const FileDialogLook& look, QString* chosenFilter = nullptr);
// The chosen colour, or an invalid one when the dialog is cancelled.
QColor askColour(QWidget* parent, const QColor& initial);

}  // namespace sprig
