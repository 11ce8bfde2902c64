#pragma once
// The options dialog: three pages of controls over the settings and "OK"
// and "Zrušiť" below them. The controls are a working copy; the program
// stores them on OK and puts them back on Cancel or when the frame closes
// the dialog.

#include <QDialog>
#include <functional>

#include "settings/options_form.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QVBoxLayout;

namespace sprig {

class TOKBottomDlg final : public QDialog {
public:
    TOKBottomDlg();

    OptionsForm form() const;
    void setForm(const OptionsForm& form);

    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;
    std::function<void()> onOk;
    // Cancel, Escape or the frame.
    std::function<void()> onCancel;

    // "Všeobecné"
    QLineEdit* Edit5 = nullptr;
    QLineEdit* Edit8 = nullptr;
    QCheckBox* CheckBox16 = nullptr;
    QCheckBox* CheckBox1 = nullptr;
    QCheckBox* CheckBox17 = nullptr;
    QCheckBox* CheckBox8 = nullptr;
    QCheckBox* CheckBox18 = nullptr;
    // "Grafika"
    QCheckBox* CheckBox10 = nullptr;
    QCheckBox* CheckBox15 = nullptr;
    QCheckBox* CheckBox6 = nullptr;
    QCheckBox* CheckBox7 = nullptr;
    QCheckBox* CheckBox11 = nullptr;
    QCheckBox* CheckBox12 = nullptr;
    QCheckBox* CheckBox13 = nullptr;
    QLabel* Label5 = nullptr;
    QLineEdit* Edit6 = nullptr;
    QLineEdit* Edit7 = nullptr;
    QRadioButton* inPixels = nullptr;  // RadioGroup1's "v pixeloch"
    QRadioButton* relative = nullptr;  // "v pomere k dĺžke segmentu"
    // "Grafika 3D"
    QCheckBox* CheckBox2 = nullptr;
    QCheckBox* CheckBox3 = nullptr;
    QCheckBox* CheckBox4 = nullptr;
    QCheckBox* CheckBox5 = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    QWidget* generalPage();
    QWidget* graphicsPage();
    QWidget* graphics3dPage();
    void CheckBox15Click();
};

}  // namespace sprig
