#pragma once
// A dialog box that is not modal, with an OK button at its foot: OK hides
// it, closing it by its frame (or Escape) closes it; the program is told
// which of the two happened, because each enables its windows differently.

#include <QDialog>
#include <functional>

class QPushButton;
class QVBoxLayout;

namespace sprig {

class BoxDialog : public QDialog {
public:
    QPushButton* okButton = nullptr;
    std::function<void()> onOk;
    std::function<void()> onClosed;

protected:
    explicit BoxDialog(const char* objectName, const char* caption);
    // The default button "OK", centred below what the layout holds.
    void addOkButton(QVBoxLayout& layout);

    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace sprig
