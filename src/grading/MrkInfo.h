#pragma once

#include <QDialog>

#include "document/Document.h"
#include "grading/InfoList.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace markroll {

class ListCombo;

/// The information dialog: the document's information lines, each beside its fixed name.
///
/// Control arrays are named with the index after an underscore: cmbMRInfo_0 (names), cmbMRInfo_1 (texts),
/// labHeader_0 and labHeader_1.
class MrkInfo : public QDialog {
    Q_OBJECT
public:
    explicit MrkInfo(AppState& state, QWidget* parent = nullptr);

    /// The working list the dialog shows.
    const InfoList& List() const { return m_list; }
    /// True once the lines were written into the document.
    bool Applied() const { return m_applied; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void cmbMRInfo_Click(int index);
    void cmbMRInfo_Enter();
    void cmdAdd_Click();
    void cmdDelete_Click();
    void cmdApply_Click();
    void ShowSelection();

    AppState& m_state;
    InfoList m_list;
    bool m_applied = false;

    QComboBox* m_names = nullptr;
    ListCombo* m_texts = nullptr;
    QLabel* labNumInfo = nullptr;
    QPushButton* cmdAdd = nullptr;
    QPushButton* cmdDelete = nullptr;
    QPushButton* cmdApply = nullptr;
    QPushButton* cmdExit = nullptr;
};

} // namespace markroll
