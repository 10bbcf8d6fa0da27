#pragma once

#include <QDialog>
#include <array>
#include <functional>
#include <string>

#include "document/Document.h"

class QButtonGroup;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace markroll {

class UpDown;

/// "Modify Students/Summary": inserts, appends, deletes, switches and alphabetizes the students of the open
/// markroll, sets their adjustment points, and opens the grade dialog and the ordered listing.
///
/// Control arrays are named with the index after an underscore: Opt_0 .. Opt_7, txt_0 and txt_1 with their
/// spinners UD_0, UD_1 (each with the buttons UD_0_Up, UD_0_Down...) and labels Lab_0, Lab_1.
class ModSumDlg : public QDialog {
    Q_OBJECT
public:
    explicit ModSumDlg(AppState& state, QWidget* parent = nullptr);

    /// What "SaveFi&le" runs: the editor's Save As.
    void SetSaveAsHandler(std::function<void()> handler) { m_saveAs = std::move(handler); }
    /// True once an operation changed the document.
    bool DocumentChanged() const { return m_changed; }
    /// The option last selected, or -1 after an operation was carried out.
    int SelectedOption() const { return m_option; }
    /// The header above the options: the caption of the category the editor shows.
    QString Summary() const;

    void Opt_Click(int index);
    void cmdApply_Click();

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void UD_Change(int index);
    void ShowStudent(int s, int color);
    void ShowNewStudent();
    void SetIdNameEnabled(bool enabled);
    void Done(bool changed);
    void ColorSaveButton(bool changed);

    AppState& m_state;
    std::function<void()> m_saveAs;
    int m_option = -1;
    bool m_changed = false;
    std::string m_newId = "000-00-0000";
    std::string m_newName = "Fudge/ Elmer";

    QButtonGroup* m_opts = nullptr;
    std::array<QRadioButton*, 8> Opt{};
    std::array<QLineEdit*, 2> txt{};
    std::array<UpDown*, 2> UD{};
    std::array<QLabel*, 2> Lab{};
    QLineEdit* txtID = nullptr;
    QLineEdit* txtName = nullptr;
    QLabel* labID = nullptr;
    QLabel* labName = nullptr;
    QLabel* labFieldVar = nullptr;
    QPushButton* cmdApply = nullptr;
    QPushButton* cmdCancel = nullptr;
    QPushButton* cmdDispStu = nullptr;
    QPushButton* cmdMSSave = nullptr;
    QPushButton* cmdImport = nullptr;
};

} // namespace markroll
