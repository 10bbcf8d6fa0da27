#pragma once

#include <QDialog>
#include <array>
#include <string>
#include <utility>

#include "document/Document.h"

class QButtonGroup;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace markroll {

/// "Modify Markroll": inserts, appends, deletes and switches the user categories of the open markroll, each
/// after the teacher confirms it, and shows the categories viewer.
///
/// Control arrays are named with the index after an underscore: optMod_0 .. optMod_3, txtMod_0 .. txtMod_4
/// and the labels under the boxes labMod_0 .. labMod_4.
class ModMr : public QDialog {
    Q_OBJECT
public:
    explicit ModMr(AppState& state, QWidget* parent = nullptr);

    /// True once an operation changed the document.
    bool DocumentChanged() const { return m_changed; }
    /// The option selected now.
    int SelectedOption() const { return m_option; }

    void optMod_Click(int index);
    /// Enter (13) in txtMod_0 reads the category typed; returns whether the key was acted on.
    bool txtMod_KeyPress(int index, int key);
    void cmdApply_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void SetCatData(int position);
    void Caption(int k, const QString& caption);
    void Put(int k, int value);
    /// The two categories of Switch, read from their boxes, kept in range and written back.
    std::pair<int, int> ReadSwitchBoxes();
    void ShowLimit(const std::string& text);
    bool Confirm(const std::string& text, int option);

    AppState& m_state;
    int m_option = 0;
    int m_position = 0;
    int m_switch1 = 0;
    int m_switch2 = 0;
    bool m_changed = false;

    QButtonGroup* m_opts = nullptr;
    std::array<QRadioButton*, 4> optMod{};
    std::array<QLineEdit*, 5> txtMod{};
    std::array<QLabel*, 5> labMod{};
    QPushButton* cmdApply = nullptr;
    QPushButton* cmdExit = nullptr;
    QPushButton* cmdDisp = nullptr;
};

} // namespace markroll
