#pragma once
// The progress window shown while a worker runs a job: the rewriting bar,
// the drawing bar and the Stop button.

#include <QWidget>

class QProgressBar;
class QPushButton;

namespace sprig {

class TForm6 final : public QWidget {
public:
    TForm6();

    QProgressBar* rewritingBar = nullptr;       // "Generovanie reťazca"
    QProgressBar* interpretationBar = nullptr;  // "Grafická interpretácia"
    QPushButton* stopButton = nullptr;
};

}  // namespace sprig
