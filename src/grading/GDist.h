#pragma once

#include <QDialog>

#include "document/Document.h"
#include "grading/GradeList.h"
#include "platform/MessageBox.h"

class QLabel;
class QPushButton;

namespace markroll {

class ListCombo;

/// The grade distribution dialog: the grade table's letters and minimum scores, edited and accepted into
/// the document, and every student's letter grade assigned from it or cleared.
///
/// The two lists are a control array: cmbGDist_0 (letters) and cmbGDist_1 (minimum scores).
class GDist : public QDialog {
    Q_OBJECT
public:
    explicit GDist(AppState& state, QWidget* parent = nullptr);

    /// The working table the dialog shows.
    const GradeList& List() const { return m_list; }
    /// True once an edited table was written into the document.
    bool TableAccepted() const { return m_tableAccepted; }
    /// True once the students' letter grades were assigned.
    bool GradesAssigned() const { return m_gradesAssigned; }
    /// True once the students' letter grades were cleared.
    bool GradesCleared() const { return m_gradesCleared; }

private:
    void cmbGDist_Click(int index);
    void cmbGDist_Enter();
    void cmdEdit_Click();
    void cmdAdd_Click();
    void cmdInsert_Click();
    void cmdDelete_Click();
    void cmdAccept_Click();
    void cmdApply_Click();
    void cmdClear_Click();
    bool Confirm(const GradeList::Question& question, MsgButtons buttons);
    void ShowList();
    void ShowSelection();

    AppState& m_state;
    GradeList m_list;
    bool m_tableAccepted = false;
    bool m_gradesAssigned = false;
    bool m_gradesCleared = false;

    ListCombo* cmbGDist[2] = {};
    QLabel* labLevel = nullptr;
    QLabel* labGLevels = nullptr;
    QPushButton* cmdAdd = nullptr;
    QPushButton* cmdDelete = nullptr;
    QPushButton* cmdInsert = nullptr;
    QPushButton* cmdAccept = nullptr;
    QPushButton* cmdEdit = nullptr;
    QPushButton* cmdClear = nullptr;
    QPushButton* cmdApply = nullptr;
    QPushButton* cmdExit = nullptr;
};

} // namespace markroll
