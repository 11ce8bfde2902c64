#include "ui/control_panel.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "app/run_state.h"
#include "ui/program_icon.h"
#include "ui/window_placement.h"

namespace sprig {

namespace {

constexpr int kNoGlyph = -1;
constexpr int kButtonWidth = 92;
constexpr int kButtonHeight = 23;
constexpr int kGroupGap = 5;

const char* const kModeStyle[] = {
    "QPushButton { color: black; font-weight: bold; }",
    "QPushButton { color: #ffff00; font-weight: bold; }",
};

}  // namespace

TFormOvlPan::TFormOvlPan()
{
    setObjectName("TFormOvlPan");
    setWindowTitle("Ovl.panel");
    makeToolWindow(*this);
    move(15, 38);
    setFixedSize(104, 369);
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(2);
    layout->setContentsMargins(6, 6, 6, 6);
    auto* picture = new QLabel;
    picture->setPixmap(programIcon().pixmap(32, 32));
    picture->setAccessibleName("Sprigwork");
    layout->addWidget(picture, 0, Qt::AlignHCenter);
    openButton = addButton(nullptr, "Otvoriť", QStyle::SP_DialogOpenButton, true);
    saveDefinitionButton = addButton(".ls, .op", "Uložiť súbor L-systému", QStyle::SP_DialogSaveButton, false);
    saveStringButton = addButton(".str", "Uložiť reťazec", QStyle::SP_DialogSaveButton, false);
    layout->addSpacing(kGroupGap);
    backButton = addButton("<<", nullptr, kNoGlyph, false);
    resetButton = addButton("Reset", nullptr, kNoGlyph, false);
    forwardButton = addButton(">>", nullptr, kNoGlyph, false);
    forwardButton->setDefault(true);
    repeatButton = addButton("10 >>", nullptr, kNoGlyph, false);
    redrawButton = addButton("Prekresli", nullptr, kNoGlyph, false);
    stepLabel = new QLabel;
    stepLabel->setAlignment(Qt::AlignCenter);
    stepLabel->setFixedHeight(kButtonHeight);
    stepLabel->setStyleSheet("QLabel { color: #ffff00; background-color: #303030; font-weight: bold; }");
    layout->addWidget(stepLabel);
    layout->addSpacing(kGroupGap);
    BitBLSR = addModeButton("BitBLSR", "LSR", "Generuje reťazce");
    BitBLSRDr = addModeButton("BitBLSRDr", "LSR&&Dr", "Generuje reťazce a interpretuje ich graficky");
    BitBLSDr = addModeButton("BitBLSDr", "LSDr", "Graficky interpretuje reťazce");
    layout->addSpacing(kGroupGap);
    exitButton = addButton(nullptr, "Koniec", QStyle::SP_DialogCloseButton, true);
    layout->addStretch(1);
    highlightMode(RunMode::LSRD);
}

// A button that shows only a glyph is named by its hint; any other is named
// by Qt after its caption, whatever the caption becomes.
QPushButton* TFormOvlPan::addButton(const char* caption, const char* hint, int glyph, bool enabled)
{
    auto* button = new QPushButton(caption ? QString::fromUtf8(caption) : QString());
    if (glyph != kNoGlyph) button->setIcon(style()->standardIcon(static_cast<QStyle::StandardPixmap>(glyph)));
    if (hint) button->setToolTip(QString::fromUtf8(hint));
    if (!caption) button->setAccessibleName(QString::fromUtf8(hint));
    button->setEnabled(enabled);
    button->setFixedSize(kButtonWidth, kButtonHeight);
    button->setAutoDefault(false);
    layout()->addWidget(button);
    return button;
}

// "LSR&Dr" shows its ampersand: it marks no access key.
QPushButton* TFormOvlPan::addModeButton(const char* objectName, const char* caption, const char* hint)
{
    QPushButton* button = addButton(caption, hint, kNoGlyph, true);
    button->setObjectName(objectName);
    return button;
}

void TFormOvlPan::highlightMode(RunMode mode)
{
    const QPushButton* highlighted = mode == RunMode::LSR ? BitBLSR : mode == RunMode::LSRD ? BitBLSRDr : BitBLSDr;
    for (QPushButton* button : {BitBLSR, BitBLSRDr, BitBLSDr}) button->setStyleSheet(kModeStyle[button == highlighted]);
}

// Return and keypad Enter press the default button ">>", as in a dialog,
// wherever the focus is in the panel; ">>" itself takes them first when
// it has the focus.
void TFormOvlPan::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && forwardButton->isEnabled()) {
        forwardButton->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TFormOvlPan::setRepeatCount(int count) { repeatButton->setText(QString("%1 >>").arg(count)); }

}  // namespace sprig
