#pragma once

#include <QDialog>
#include <QFont>
#include <optional>
#include <vector>

#include "calc/RosterImport.h"
#include "document/Document.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace markroll {

/// "Import Students": every row of a class roster as it will be stored, or why it will not be, with the columns
/// the ID and the name are taken from; "&Import" hands the rows back, "&Cancel" nothing.
class ImportPreview : public QDialog {
    Q_OBJECT
public:
    ImportPreview(const Document& doc, const Roster& roster, const QString& file, QWidget* parent = nullptr);

    /// The rows as previewed when "&Import" was pressed; nothing otherwise.
    const std::optional<std::vector<RosterEntry>>& Result() const { return m_result; }

private:
    /// The lists name the columns by the header's titles or by the first student's values.
    void LabelColumns();
    /// Previews the roster again with the columns the lists show.
    void Refresh();
    void cmdImport_Click();

    const Document& m_doc;
    const Roster& m_roster;
    std::vector<RosterEntry> m_entries;
    std::optional<std::vector<RosterEntry>> m_result;
    QFont m_fixed;

    QLabel* labFile = nullptr;
    QCheckBox* chkHeader = nullptr;
    QComboBox* cmbId = nullptr;
    QComboBox* cmbName = nullptr;
    QComboBox* cmbFirst = nullptr;
    QTableWidget* grdRows = nullptr;
    QLabel* labSummary = nullptr;
    QPushButton* cmdImport = nullptr;
    QPushButton* cmdCancel = nullptr;
};

/// File > Import Students and the student dialog's Import: asks for a roster, reads it, shows the preview and
/// appends the rows imported as one step that can be undone, marking the document changed. Returns how many
/// students were added. The new students' totals are left to the caller, as after the student operations.
int ImportRoster(AppState& state, QWidget* parent);

} // namespace markroll
