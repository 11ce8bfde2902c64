#pragma once
// The help window: the user manual, read-only, in a bold font.

#include <QWidget>
#include <functional>

class QPlainTextEdit;

namespace sprig {

class TForm7 final : public QWidget {
public:
    TForm7();

    QPlainTextEdit* text = nullptr;
    std::function<void()> onClosed;

protected:
    void closeEvent(QCloseEvent* event) override;
};

// The manual's text: its sections, each heading framed by lines of hyphens.
QString userManual();

}  // namespace sprig
