#include "ui/options_dialog.h"

#include <utility>

#include <QCheckBox>
#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "ui/window_placement.h"

namespace sprig {

namespace {

QCheckBox* addCheckBox(QVBoxLayout& layout, const char* name, const char* caption)
{
    auto* box = new QCheckBox(QString::fromUtf8(caption));
    box->setObjectName(name);
    box->setAccessibleName(box->text());
    layout.addWidget(box);
    return box;
}

QRadioButton* addRadioButton(QHBoxLayout& layout, const char* caption)
{
    auto* button = new QRadioButton(QString::fromUtf8(caption));
    button->setAccessibleName(button->text());
    layout.addWidget(button);
    return button;
}

// A label with its edit field below it.
QLineEdit* addEdit(QVBoxLayout& layout, const char* labelName, const char* editName, const char* caption,
                   QLabel** label = nullptr)
{
    auto* text = new QLabel(QString::fromUtf8(caption));
    text->setObjectName(labelName);
    auto* edit = new QLineEdit;
    edit->setObjectName(editName);
    edit->setAccessibleName(text->text());
    layout.addWidget(text);
    layout.addWidget(edit);
    if (label) *label = text;
    return edit;
}

QString text(const std::string& value) { return QString::fromStdString(value); }
std::string text(const QLineEdit* edit) { return edit->text().toStdString(); }

}  // namespace

TOKBottomDlg::TOKBottomDlg()
{
    setObjectName("TOKBottomDlg");
    setWindowTitle("Vlastnosti");
    makeDialogWindow(*this);
    setFixedSize(493, 402);
    auto* layout = new QVBoxLayout(this);
    auto* pages = new QTabWidget;
    pages->setAccessibleName("Vlastnosti");
    pages->addTab(generalPage(), QString::fromUtf8("Všeobecné"));
    pages->addTab(graphicsPage(), "Grafika");
    pages->addTab(graphics3dPage(), "Grafika 3D");
    layout->addWidget(pages, 1);
    auto* buttons = new QDialogButtonBox;
    OKBtn = buttons->addButton("OK", QDialogButtonBox::AcceptRole);
    CancelBtn = buttons->addButton(QString::fromUtf8("Zrušiť"), QDialogButtonBox::RejectRole);
    OKBtn->setAccessibleName("OK");
    CancelBtn->setAccessibleName(QString::fromUtf8("Zrušiť"));
    OKBtn->setDefault(true);
    layout->addWidget(buttons);
    connect(OKBtn, &QPushButton::clicked, this, [this] {
        if (onOk) onOk();
    });
    connect(CancelBtn, &QPushButton::clicked, this, [this] { reject(); });
    connect(CheckBox15, &QCheckBox::toggled, this, [this] { CheckBox15Click(); });
}

QWidget* TOKBottomDlg::generalPage()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    Edit5 = addEdit(*layout, "Label7", "Edit5", "Symboly, ktoré budú ignorované pri testovaní kontextu");
    Edit5->setMaxLength(static_cast<int>(kIgnoredSymbolsMax));
    Edit8 = addEdit(*layout, "Label8", "Edit8", "Voliteľný krok pri generovaní reťazcov");
    CheckBox16 = addCheckBox(*layout, "CheckBox16", "Zobraziť súbor LSystému");
    CheckBox1 = addCheckBox(*layout, "CheckBox1", "Zobraziť súbor nastavení");
    CheckBox17 =
        addCheckBox(*layout, "CheckBox17", "Zobraziť vygenerovaný reťazec (len ak jeho dĺžka je menšia ako 32 KB)");
    CheckBox8 = addCheckBox(*layout, "CheckBox8", "Zobraziť informácie");
    CheckBox18 = addCheckBox(*layout, "CheckBox18", "Po dokončení zapípať");
    layout->addStretch(1);
    return page;
}

QWidget* TOKBottomDlg::graphicsPage()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->setSpacing(3);
    CheckBox10 = addCheckBox(*layout, "CheckBox10", "Používať len 2D korytnačiu grafiku");
    auto* letters = new QGroupBox;
    auto* lettersLayout = new QVBoxLayout(letters);
    CheckBox15 = addCheckBox(*lettersLayout, "CheckBox15", "Symboly E,e interpretovať rovnako ako F,f");
    auto* inner = new QGroupBox;
    auto* innerLayout = new QVBoxLayout(inner);
    CheckBox6 = addCheckBox(*innerLayout, "CheckBox6", "Odlíšiť symbol E od symbolu F hrúbkou (4-krát väčšou)");
    CheckBox7 = addCheckBox(*innerLayout, "CheckBox7", "Odlíšiť symbol E od symbolu F farbou (E - červená)");
    lettersLayout->addWidget(inner);
    lettersLayout->setContentsMargins(20, 4, 4, 4);
    layout->addWidget(letters);
    CheckBox11 = addCheckBox(*layout, "CheckBox11", "Automaticky umiestniť obrázok do stredu plochy");
    CheckBox12 = addCheckBox(*layout, "CheckBox12", "Automaticky voliť dĺžku úsečky odpovedajúcej F,f,G,g");
    CheckBox13 = addCheckBox(*layout, "CheckBox13", "Použiť farebný efekt");
    Edit6 = addEdit(*layout, "Label5", "Edit6", "Dĺžka úsečky (v pixeloch) pre symboly 'F', 'f', 'G', 'g'", &Label5);
    Label5->hide();
    Edit6->hide();
    Edit7 = addEdit(*layout, "Label6", "Edit7", "Implicitný uhol (v stupňoch) pootočenia korytnačky");
    auto* width = new QGroupBox(QString::fromUtf8("Hrúbka segmentu"));
    width->setObjectName("RadioGroup1");
    auto* widthLayout = new QHBoxLayout(width);
    inPixels = addRadioButton(*widthLayout, "v pixeloch");
    relative = addRadioButton(*widthLayout, "v pomere k dĺžke segmentu");
    layout->addWidget(width);
    layout->addStretch(1);
    return page;
}

QWidget* TOKBottomDlg::graphics3dPage()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    CheckBox2 = addCheckBox(*layout, "CheckBox2", "Prispôsobiť hrúbku segmentu na konci hrúbke nasledujúceho segmentu");
    CheckBox3 = addCheckBox(*layout, "CheckBox3", "Zobrazovať na začiatku segmentu polguľu");
    CheckBox4 = addCheckBox(*layout, "CheckBox4", "Zobrazovať na konci segmentu polguľu");
    CheckBox5 = addCheckBox(*layout, "CheckBox5", "Zobrazovať 'zem' (plochu v rovine osí xy)");
    layout->addStretch(1);
    return page;
}

namespace {

// Each check box and edit field beside the value of the form it shows.
constexpr std::pair<QCheckBox * TOKBottomDlg::*, bool OptionsForm::*> kBoxes[] = {
    {&TOKBottomDlg::CheckBox16, &OptionsForm::showDefinitionText},
    {&TOKBottomDlg::CheckBox1, &OptionsForm::showOptionsText},
    {&TOKBottomDlg::CheckBox17, &OptionsForm::showStringText},
    {&TOKBottomDlg::CheckBox8, &OptionsForm::showInformation},
    {&TOKBottomDlg::CheckBox18, &OptionsForm::beepWhenDone},
    {&TOKBottomDlg::CheckBox10, &OptionsForm::only2d},
    {&TOKBottomDlg::CheckBox15, &OptionsForm::interpretEF},
    {&TOKBottomDlg::CheckBox6, &OptionsForm::differentiateEFWidth},
    {&TOKBottomDlg::CheckBox7, &OptionsForm::differentiateEFColor},
    {&TOKBottomDlg::CheckBox11, &OptionsForm::centred},
    {&TOKBottomDlg::CheckBox12, &OptionsForm::automaticLength},
    {&TOKBottomDlg::CheckBox13, &OptionsForm::colourEffect},
    {&TOKBottomDlg::CheckBox2, &OptionsForm::segmentActiveWidth},
    {&TOKBottomDlg::CheckBox3, &OptionsForm::segmentBeginSphere},
    {&TOKBottomDlg::CheckBox4, &OptionsForm::segmentEndSphere},
    {&TOKBottomDlg::CheckBox5, &OptionsForm::drawGround},
};
constexpr std::pair<QLineEdit * TOKBottomDlg::*, std::string OptionsForm::*> kEdits[] = {
    {&TOKBottomDlg::Edit5, &OptionsForm::ignoreSymbols},
    {&TOKBottomDlg::Edit8, &OptionsForm::stepCount},
    {&TOKBottomDlg::Edit6, &OptionsForm::segmentLength},
    {&TOKBottomDlg::Edit7, &OptionsForm::defaultAngle},
};

}  // namespace

OptionsForm TOKBottomDlg::form() const
{
    OptionsForm form;
    for (const auto& [box, value] : kBoxes) form.*value = (this->*box)->isChecked();
    for (const auto& [edit, value] : kEdits) form.*value = text(this->*edit);
    form.widthInPixels = inPixels->isChecked();
    return form;
}

void TOKBottomDlg::setForm(const OptionsForm& form)
{
    for (const auto& [box, value] : kBoxes) (this->*box)->setChecked(form.*value);
    for (const auto& [edit, value] : kEdits) (this->*edit)->setText(text(form.*value));
    (form.widthInPixels ? inPixels : relative)->setChecked(true);
    CheckBox15Click();
}

// The two E options stand only while E is read as F; their states are kept.
void TOKBottomDlg::CheckBox15Click()
{
    CheckBox6->setEnabled(CheckBox15->isChecked());
    CheckBox7->setEnabled(CheckBox15->isChecked());
}

void TOKBottomDlg::closeEvent(QCloseEvent* event)
{
    event->accept();
    if (onCancel) onCancel();
}

// Escape and Cancel.
void TOKBottomDlg::reject()
{
    if (onCancel) onCancel();
}

}  // namespace sprig
