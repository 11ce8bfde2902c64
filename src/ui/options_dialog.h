#pragma once
// The options dialog: a fixed dialog with "OK" and "Zrušiť" below its pages.
// The pages come with the settings; here the dialog is left by either
// button or by its frame, and the program is told.

#include <QDialog>
#include <functional>

class QPushButton;

namespace sprig {

class TOKBottomDlg final : public QDialog {
public:
    TOKBottomDlg();

    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;
    // OK, Cancel or the frame: the dialog is hidden by the program.
    std::function<void()> onDone;

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;
};

}  // namespace sprig
