#pragma once

#include <QDialog>
#include <optional>
#include <vector>

#include "app/CsvChoices.h"
#include "document/Document.h"

class QListWidget;
class QPushButton;

namespace markroll {

/// "Export CSV": what goes into the CSV file, the whole markroll or one category. The file name is asked for
/// afterwards, by the save dialog.
class CsvExportDlg : public QDialog {
    Q_OBJECT
public:
    explicit CsvExportDlg(const Document& doc, QWidget* parent = nullptr);

    /// The line chosen with "&Export...", nothing when the dialog was left otherwise.
    std::optional<CsvChoice> Chosen() const { return m_chosen; }

private:
    void cmdExport_Click();

    std::vector<CsvChoice> m_choices;
    std::optional<CsvChoice> m_chosen;

    QListWidget* lstWhat = nullptr;
    QPushButton* cmdExport = nullptr;
    QPushButton* cmdCancel = nullptr;
};

} // namespace markroll
