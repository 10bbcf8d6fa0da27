#pragma once

#include <QDialog>
#include <array>

#include "document/DisplaySettings.h"
#include "document/Document.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace markroll {

class ClickLabel;

/// "Change Display Attributes": the colours of the editor's display elements, its font and how much of the
/// ID# and name it shows. Works on copies and writes them into the program's settings on "&Apply".
class EditDisp : public QDialog {
    Q_OBJECT
public:
    explicit EditDisp(AppState& state, QWidget* parent = nullptr);

    int Sel() const { return m_sel; }
    bool BgMode() const { return m_bgMode; }
    const std::array<Rgb, NumDisplayElements>& WorkBg() const { return m_bg; }
    const std::array<Rgb, NumDisplayElements>& WorkFg() const { return m_fg; }

    void Cbar_Click(int index);
    void optBc_Click();
    void optTc_Click();
    void cmdColor_Click();
    void cmdFonts_Click();
    void cmdDefault_Click();
    void cmdReset_Click();
    void txtLid_Change();
    void txtLnf_Change();
    void cmdApply_Click();
    void cmdCancel_Click();

private:
    void BuildControls();
    void ResetColors();
    void SetCbar();
    void CbarSelect(int index);
    void SetScrFonts();
    void DispFontName();
    /// A length box changed: the spinner takes its number, pulled back into 0..max (which the box then shows).
    void LengthChanged(QLineEdit* box, QSpinBox* spinner, int max);

    AppState& m_state;
    std::array<Rgb, NumDisplayElements> m_bg{};
    std::array<Rgb, NumDisplayElements> m_fg{};
    std::string m_fontName;
    float m_fontSize = 8;
    bool m_fontBold = false;
    bool m_fontItalic = false;
    int m_sel = 0;
    bool m_bgMode = true;

    QPushButton* m_cmdReset = nullptr;
    QPushButton* m_cmdDefault = nullptr;
    QRadioButton* m_optTc = nullptr;
    QRadioButton* m_optBc = nullptr;
    QLineEdit* m_txtLid = nullptr;
    QLineEdit* m_txtLnf = nullptr;
    QSpinBox* m_udLid = nullptr;
    QSpinBox* m_udLnf = nullptr;
    QLabel* m_labColor = nullptr;
    QLabel* m_labBcMark = nullptr;
    QLabel* m_labTcMark = nullptr;
    std::array<ClickLabel*, NumDisplayElements> m_cbar{};
    QLabel* m_labFont = nullptr;
    QPushButton* m_cmdFonts = nullptr;
    QPushButton* m_cmdColor = nullptr;
    QPushButton* m_cmdCancel = nullptr;
    QPushButton* m_cmdApply = nullptr;
};

} // namespace markroll
