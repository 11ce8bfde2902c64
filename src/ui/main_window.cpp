#include "ui/main_window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <optional>

#include "ui/line_highlighter.h"
#include "ui/menu_item.h"
#include "ui/text_page_view.h"
#include "ui/window_placement.h"

namespace sprig {

namespace {

struct PanelLook {
    int minimumWidth;
    const char* text;
    Qt::Alignment alignment;
};

constexpr PanelLook kPanels[] = {
    {150, "Počet symbolov : ", Qt::AlignLeft},
    {150, "Dĺžka reťazca : ", Qt::AlignLeft},
    {100, "", Qt::AlignLeft},
    {50, "LSR&D     ", Qt::AlignRight},
};

// Room beside a panel's text, so that no glyph touches the next panel.
constexpr int kPanelPadding = 6;

constexpr int kRepeatIntervalMs = 500;

struct PageLook {
    const char* caption;
    // The definition and the options are the files whose rows the error
    // messages name, and whose lines are coloured as they are read.
    std::optional<LineLanguage> language;
};

constexpr PageLook kPages[] = {
    {"L-systém", LineLanguage::Definition},
    {"Nastavenia", LineLanguage::Options},
    {"Reťazec", std::nullopt},
    {"Info", std::nullopt},
};

}  // namespace

TMainForm::TMainForm()
{
    setObjectName("TMainForm");
    setWindowTitle("Sprigwork");
    move(130, 101);
    setWholeWindowSize(*this, QSize(493, 322));
    addFileMenu();
    addPropertiesMenu();
    windowMenu = addWindowMenu(*menuBar(), {"Ovl. &panel", "Ovl. &kamery"});
    addHelpMenu();
    addTextPages();
    addStatusPanels();
    timer = new QTimer(this);
    timer->setInterval(kRepeatIntervalMs);
}

void TMainForm::addFileMenu()
{
    QMenu* menu = menuBar()->addMenu(QString::fromUtf8("&Súbor"));
    openItem = addMenuItem(*menu, "&Otvoriť...", "Open an existing file");
    saveDefinitionItem = addMenuItem(*menu, "&Uložiť L-systém", "Save current file", false);
    saveDefinitionAsItem = addMenuItem(*menu, "Uložiť L-systém &ako", "Save current file under a new name", false);
    saveStringItem = addMenuItem(*menu, "Uložiť reťazec", nullptr, false);
    saveStringAsItem = addMenuItem(*menu, "Uložiť reťazec ako", nullptr, false);
    menu->addSeparator();
    exitItem = addMenuItem(*menu, "&Koniec", "Exit this application");
}

void TMainForm::addPropertiesMenu()
{
    QMenu* menu = menuBar()->addMenu(QString::fromUtf8("&Vlastnosti"));
    optionsItem = addMenuItem(*menu, "&Vlastnosti");
    colourItem = addMenuItem(*menu, "&Farba");
    backgroundItem = addMenuItem(*menu, "Farba &pozadia");
}

void TMainForm::addHelpMenu()
{
    QMenu* menu = menuBar()->addMenu(QString::fromUtf8("&Pomoc"));
    helpItem = addMenuItem(*menu, "&Pomoc");
    menu->addSeparator();
    aboutItem = addMenuItem(*menu, "&Čo je Sprigwork...");
}

// All tabs and views start hidden and read-only; opening a file shows them.
void TMainForm::addTextPages()
{
    tabs_ = new QTabWidget(this);
    tabs_->setAccessibleName(QString::fromUtf8("Texty"));
    for (int i = 0; i < kViewCount; ++i) {
        auto* page = new QWidget;
        auto* view = new TextPageView(page);
        const PageLook& look = kPages[i];
        if (look.language) {
            view->showRowNumbers();
            new LineHighlighter(view->document(), *look.language);
        }
        const QString caption = QString::fromUtf8(look.caption);
        view->setAccessibleName(caption);
        view->setReadOnly(true);
        view->setLineWrapMode(QPlainTextEdit::NoWrap);
        view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        view->setVisible(false);
        auto* layout = new QVBoxLayout(page);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(view);
        tabs_->addTab(page, caption);
        tabs_->setTabVisible(i, false);
        views_[i] = view;
    }
    setCentralWidget(tabs_);
}

// The panels' texts are their accessible names as Qt gives them: a screen
// reader hears the values. Without a size grip the four minimum widths fit
// the window's width.
void TMainForm::addStatusPanels()
{
    statusBar()->setSizeGripEnabled(false);
    for (int i = 0; i < kViewCount; ++i) {
        auto* panel = new QLabel;
        panel->setAlignment(kPanels[i].alignment | Qt::AlignVCenter);
        statusBar()->addWidget(panel);
        panels_[i] = panel;
        setStatus(i, QString::fromUtf8(kPanels[i].text));
    }
}

// The panel is as wide as its text in the font in use, and never narrower
// than its minimum; when the panels no longer fit, the window widens with
// them rather than letting them run into one another.
void TMainForm::setStatus(int index, const QString& text)
{
    QLabel& panel = *panels_[index];
    panel.setText(text);
    panel.setFixedWidth(
        std::max(kPanels[index].minimumWidth, panel.fontMetrics().horizontalAdvance(text) + kPanelPadding));
    QCoreApplication::sendPostedEvents(statusBar(), QEvent::LayoutRequest);
    const int needed = statusBar()->minimumSizeHint().width();
    if (width() < needed) resize(needed, height());
}

void TMainForm::closeEvent(QCloseEvent* event)
{
    if (onClose) onClose();
    event->accept();
}

}  // namespace sprig
