#include "ui/progress_window.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "app/job_progress.h"
#include "ui/window_placement.h"

namespace sprig {

namespace {

constexpr int kLookIntervalMs = 40;

QProgressBar* addBar(QVBoxLayout& layout, const char* caption)
{
    const QString text = QString::fromUtf8(caption);
    layout.addWidget(new QLabel(text));
    auto* bar = new QProgressBar;
    bar->setRange(0, 100);
    bar->setValue(0);
    bar->setAccessibleName(text);
    layout.addWidget(bar);
    return bar;
}

}  // namespace

TForm6::TForm6()
{
    setObjectName("TForm6");
    setWindowTitle("Sprigwork");
    makeToolWindow(*this);
    move(196, 283);
    setFixedSize(321, 162);
    auto* layout = new QVBoxLayout(this);
    rewritingBar = addBar(*layout, "Generovanie reťazca");
    interpretationBar = addBar(*layout, "Grafická interpretácia");
    stopButton = new QPushButton("Stop");
    stopButton->setAccessibleName("Stop");
    stopButton->setIcon(style()->standardIcon(QStyle::SP_BrowserStop));
    stopButton->setStyleSheet("QPushButton { color: #c00000; font-weight: bold; }");
    stopButton->setFixedWidth(100);
    layout->addWidget(stopButton, 0, Qt::AlignHCenter);
    look_.setInterval(kLookIntervalMs);
    look_.callOnTimeout(this, [this] { showValues(); });
}

void TForm6::follow(const JobProgress& progress) { progress_ = &progress; }

void TForm6::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    showValues();
    look_.start();
}

void TForm6::hideEvent(QHideEvent* event)
{
    look_.stop();
    QWidget::hideEvent(event);
}

void TForm6::showValues()
{
    if (!progress_) return;
    rewritingBar->setValue(progress_->get(ProgressBar::Rewriting));
    interpretationBar->setValue(progress_->get(ProgressBar::Interpretation));
}

}  // namespace sprig
