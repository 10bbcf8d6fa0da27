#pragma once

#include <QDialog>
#include <QFont>
#include <array>

#include "app/PlanLists.h"
#include "document/Document.h"
#include "document/NewDocument.h"
#include "widgets/CategoryChart.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace markroll {

class ListCombo;

/// The create-document dialog: plans the categories and students of a new markroll and creates it.
///
/// Control arrays are named with the index after an underscore: cmbMRCat_0 (names), cmbMRCat_1 (weights),
/// cmbMRCat_2 (numbers of fields), cmbMRCat_3 (field lengths), and labHeader_0 .. labHeader_3 over them.
class CreateMR : public QDialog {
    Q_OBJECT
public:
    explicit CreateMR(AppState& state, QWidget* parent = nullptr);

    /// True once a document was created from the plan; the main window asks to save it after the dialog.
    bool Created() const { return m_created; }
    const CategoryPlan& Plan() const { return m_plan; }
    const PlanLists& Lists() const { return m_lists; }
    /// The overview as last painted, in twips.
    const CategoryChart& Overview() const { return m_overview; }

public slots:
    void reject() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void cmbMRCat_Click(int list, int row);
    void cmbMRCat_Enter();
    void cmdEdit_Click();
    void cmdAdd_Click();
    void cmdDelete_Click();
    void cmdInfo_Click();
    void cmdCreate_Click();
    void cmdExit_Click();

    /// Fills the four lists from the rows and selects CurRow in all of them.
    void FillLists();
    void SetEditing(bool editing);
    /// NewCatView: lays the overview out again and repaints it.
    void NewCatView();

    AppState& m_state;
    CategoryPlan m_plan;
    PlanLists m_lists;
    bool m_editing = false;
    bool m_created = false;
    QFont m_chartFont;
    CategoryChart m_overview;

    std::array<ListCombo*, 4> cmbMRCat{};
    QLineEdit* txtNumStu = nullptr;
    QLabel* labCancel = nullptr;
    QPushButton* cmdEdit = nullptr;
    QPushButton* cmdAdd = nullptr;
    QPushButton* cmdDelete = nullptr;
    QPushButton* cmdDisp = nullptr;
    QPushButton* cmdInfo = nullptr;
    QPushButton* cmdCreate = nullptr;
    QPushButton* cmdExit = nullptr;
};

} // namespace markroll
