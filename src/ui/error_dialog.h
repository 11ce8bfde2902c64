#pragma once
// The error dialog: the message of a failed job in a framed area and OK.
// The program keeps its main windows disabled while it is up.

#include "ui/box_dialog.h"

class QLabel;

namespace sprig {

class TOKBottomDlg1 final : public BoxDialog {
public:
    TOKBottomDlg1();

    // Shows the dialog centred, in front, with the focus on OK.
    void showMessage(const QString& text);

    QLabel* message = nullptr;
};

}  // namespace sprig
