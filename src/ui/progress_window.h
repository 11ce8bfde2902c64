#pragma once
// The progress window shown while a worker runs a job: the rewriting bar,
// the drawing bar and the Stop button. While it is shown it reads the
// values the worker stores, 25 times a second.

#include <QTimer>
#include <QWidget>

class QProgressBar;
class QPushButton;

namespace sprig {

class JobProgress;

class TForm6 final : public QWidget {
public:
    TForm6();

    void follow(const JobProgress& progress);

    QProgressBar* rewritingBar = nullptr;       // "Generovanie reťazca"
    QProgressBar* interpretationBar = nullptr;  // "Grafická interpretácia"
    QPushButton* stopButton = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void showValues();

    const JobProgress* progress_ = nullptr;
    QTimer look_;
};

}  // namespace sprig
