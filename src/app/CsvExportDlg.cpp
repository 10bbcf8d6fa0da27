#include "app/CsvExportDlg.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/Platform.h"
#include "widgets/CommandButton.h"

namespace markroll {

CsvExportDlg::CsvExportDlg(const Document& doc, QWidget* parent) : QDialog(parent), m_choices(CsvChoices(doc)) {
    setObjectName(QStringLiteral("CsvExportDlg"));
    setWindowTitle(QStringLiteral("Export CSV"));

    auto* label = new QLabel(QStringLiteral("&Write into the CSV file:"), this);
    label->setObjectName(QStringLiteral("labWhat"));
    lstWhat = new QListWidget(this);
    lstWhat->setObjectName(QStringLiteral("lstWhat"));
    label->setBuddy(lstWhat);
    for (const CsvChoice& choice : m_choices)
        lstWhat->addItem(FromBytes(choice.Label));
    lstWhat->setCurrentRow(0);
    // As many lines as a markroll has categories, so the list never needs scrolling.
    lstWhat->setMinimumSize(TwipsToPxX(4200), lstWhat->sizeHintForRow(0) * (MaxCats + 1) + 2 * lstWhat->frameWidth());
    auto* note =
        new QLabel(QStringLiteral("The cells go out as the editor shows them; nothing is computed again."), this);
    note->setObjectName(QStringLiteral("labNote"));

    cmdExport = new CommandButton("cmdExport", QStringLiteral("&Export..."), this);
    cmdCancel = new CommandButton("cmdCancel", QStringLiteral("&Cancel"), this);
    cmdExport->setDefault(true);
    connect(cmdExport, &QPushButton::clicked, this, &CsvExportDlg::cmdExport_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(lstWhat, &QListWidget::itemDoubleClicked, this, &CsvExportDlg::cmdExport_Click);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdExport);
    buttons->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(lstWhat, 1);
    layout->addWidget(note);
    layout->addLayout(buttons);
}

void CsvExportDlg::cmdExport_Click() {
    const int row = lstWhat->currentRow();
    if (row < 0 || row >= static_cast<int>(m_choices.size()))
        return;
    m_chosen = m_choices[static_cast<std::size_t>(row)];
    accept();
}

} // namespace markroll
