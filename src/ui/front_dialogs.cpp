#include "ui/front_dialogs.h"

#include <QColorDialog>

#include "ui/window_placement.h"

namespace sprig {

QString askFileName(QWidget* parent, const FileDialogLook& look, QString* chosenFilter)
{
    QFileDialog dialog(parent, QString(), QString(), look.filter);
    dialog.setOptions(look.options | QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(look.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(look.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    keepAboveToolWindows(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    if (chosenFilter) *chosenFilter = dialog.selectedNameFilter();
    return dialog.selectedFiles().constFirst();
}

QColor askColour(QWidget* parent, const QColor& initial)
{
    QColorDialog dialog(initial, parent);
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    keepAboveToolWindows(dialog);
    if (dialog.exec() != QDialog::Accepted) return {};
    return dialog.selectedColor();
}

}  // namespace sprig
