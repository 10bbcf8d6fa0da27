#include "modify/ImportPreview.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "document/FileAccess.h"
#include "document/FileError.h"
#include "document/Session.h"
#include "modify/ImportSetup.h"
#include "platform/FileDialog.h"
#include "platform/MessageBox.h"
#include "platform/Platform.h"
#include "widgets/CommandButton.h"

namespace markroll {

namespace {

const QString Title = QStringLiteral("Import Students");
const QString RosterFilter = QStringLiteral("Class Rosters (*.csv, *.txt)|*.csv;*.txt;*.tsv|All Files (*.*)|*.*");
const QColor RejectedBack(255, 210, 210);
const QColor RejectedText(128, 0, 0);

enum GridColumn { ColLine, ColId, ColName, ColStatus, NumColumns };

QString Utf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString EncodingText(const Roster& roster) {
    const QString code = roster.Encoding == RosterEncoding::Windows1252 ? QStringLiteral("Windows-1252")
                         : roster.Encoding == RosterEncoding::Utf8WithBom
                             ? QStringLiteral("UTF-8 with a byte-order mark")
                             : QStringLiteral("UTF-8");
    return code + (roster.Separator == '\t' ? QStringLiteral(", tab-separated") : QStringLiteral(", comma-separated"));
}

QComboBox* List(const char* name, QWidget* parent) {
    auto* list = new QComboBox(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return list;
}

QLabel* Label(const char* name, const QString& caption, QWidget* buddy, QWidget* parent) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setBuddy(buddy);
    return label;
}

// Where the file dialog starts: the markroll's own folder, where a teacher keeps the class's files.
QString RosterFolder(const AppState& state) {
    if (!state.DocumentOpen() || state.FileName == UntitledName)
        return {};
    const QFileInfo file(QFile::decodeName(QByteArray::fromStdString(state.FileName)));
    return file.absoluteDir().exists() ? file.absolutePath() : QString();
}

} // namespace

ImportPreview::ImportPreview(const Document& doc, const Roster& roster, const QString& file, QWidget* parent)
    : QDialog(parent), m_doc(doc), m_roster(roster) {
    setObjectName(QStringLiteral("ImportPreview"));
    setWindowTitle(Title);

    labFile = new QLabel(QStringLiteral("%1 (%2)").arg(QDir::toNativeSeparators(file), EncodingText(roster)), this);
    labFile->setObjectName(QStringLiteral("labFile"));
    labFile->setTextInteractionFlags(Qt::TextSelectableByMouse);
    chkHeader = new QCheckBox(QStringLiteral("The first row holds column &titles"), this);
    chkHeader->setObjectName(QStringLiteral("chkHeader"));
    cmbId = List("cmbId", this);
    cmbName = List("cmbName", this);
    cmbFirst = List("cmbFirst", this);
    auto* columns = new QGridLayout;
    columns->addWidget(chkHeader, 0, 0, 1, 2);
    columns->addWidget(Label("labId", QStringLiteral("I&D# column:"), cmbId, this), 1, 0);
    columns->addWidget(cmbId, 1, 1);
    columns->addWidget(Label("labName", QStringLiteral("&Name (or last name) column:"), cmbName, this), 2, 0);
    columns->addWidget(cmbName, 2, 1);
    columns->addWidget(Label("labFirst", QStringLiteral("&First name column:"), cmbFirst, this), 3, 0);
    columns->addWidget(cmbFirst, 3, 1);
    columns->setColumnStretch(2, 1);

    grdRows = new QTableWidget(0, NumColumns, this);
    grdRows->setObjectName(QStringLiteral("grdRows"));
    grdRows->setHorizontalHeaderLabels(
        {QStringLiteral("Line"), QStringLiteral("ID#"), QStringLiteral("Name"), QStringLiteral("Status")});
    grdRows->verticalHeader()->hide();
    grdRows->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdRows->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdRows->horizontalHeader()->setStretchLastSection(true);
    // The ID# and the name in the fixed-pitch font of the editor, so the blanks they are stored with show.
    m_fixed = ResolveFont(QStringLiteral("Courier"), 10);
    const double cw = QFontMetricsF(m_fixed).horizontalAdvance(QLatin1Char('A'));
    grdRows->setColumnWidth(ColLine, static_cast<int>(QFontMetricsF(font()).horizontalAdvance("Line 0000")));
    grdRows->setColumnWidth(ColId, static_cast<int>(cw * (IdLen + 2)));
    grdRows->setColumnWidth(ColName, static_cast<int>(cw * (NameLen + 2)));
    labSummary = new QLabel(this);
    labSummary->setObjectName(QStringLiteral("labSummary"));

    cmdImport = new CommandButton("cmdImport", QStringLiteral("&Import"), this,
                                  QStringLiteral("Append the rows marked imported as new students"));
    cmdCancel = new CommandButton("cmdCancel", QStringLiteral("&Cancel"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(labSummary, 1);
    buttons->addWidget(cmdImport);
    buttons->addWidget(cmdCancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(labFile);
    layout->addLayout(columns);
    layout->addWidget(grdRows, 1);
    layout->addLayout(buttons);

    const ColumnChoice found = ChoiceOf(roster.Columns);
    chkHeader->setChecked(found.Header);
    LabelColumns();
    cmbId->setCurrentIndex(found.Id);
    cmbName->setCurrentIndex(found.Name);
    cmbFirst->setCurrentIndex(found.First + 1);
    Refresh();

    connect(chkHeader, &QCheckBox::toggled, this, [this] {
        LabelColumns();
        Refresh();
    });
    for (QComboBox* list : {cmbId, cmbName, cmbFirst})
        connect(list, &QComboBox::currentIndexChanged, this, &ImportPreview::Refresh);
    connect(cmdImport, &QPushButton::clicked, this, &ImportPreview::cmdImport_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);

    const double width = cw * (IdLen + NameLen + 4) + QFontMetricsF(font()).horizontalAdvance(QString(64, 'x'));
    resize(static_cast<int>(width), TwipsToPxY(7200));
}

void ImportPreview::LabelColumns() {
    const std::vector<std::string> labels = ColumnLabels(m_roster, chkHeader->isChecked());
    for (QComboBox* list : {cmbId, cmbName, cmbFirst}) {
        const QSignalBlocker quiet(list);
        const int current = list->currentIndex();
        list->clear();
        if (list == cmbFirst)
            list->addItem(QStringLiteral("(none: the name column holds the whole name)"));
        for (const std::string& label : labels)
            list->addItem(Utf8(label));
        list->setCurrentIndex(current);
    }
}

void ImportPreview::Refresh() {
    const ColumnChoice choice{cmbId->currentIndex(), cmbName->currentIndex(), cmbFirst->currentIndex() - 1,
                              chkHeader->isChecked()};
    m_entries = PreviewRoster(m_doc, m_roster, ColumnsOf(choice));
    grdRows->setRowCount(static_cast<int>(m_entries.size()));
    for (int r = 0; r < grdRows->rowCount(); ++r) {
        const PreviewLine line = PreviewLineOf(m_entries[static_cast<std::size_t>(r)]);
        const std::string* texts[NumColumns] = {&line.Line, &line.Id, &line.Name, &line.Status};
        for (int c = 0; c < NumColumns; ++c) {
            auto* item = new QTableWidgetItem(Utf8(*texts[c]));
            if (c == ColId || c == ColName)
                item->setFont(m_fixed);
            if (c == ColLine)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (line.Rejected) {
                item->setBackground(RejectedBack);
                item->setForeground(RejectedText);
            }
            grdRows->setItem(r, c, item);
        }
    }
    labSummary->setText(Utf8(PreviewSummary(m_doc, m_entries)));
    cmdImport->setEnabled(
        std::any_of(m_entries.begin(), m_entries.end(), [](const RosterEntry& e) { return e.Accepted(); }));
}

void ImportPreview::cmdImport_Click() {
    m_result = m_entries;
    accept();
}

int ImportRoster(AppState& state, QWidget* parent) {
    if (!state.DocumentOpen())
        return 0;
    FileDialogOptions options;
    options.title = Title;
    options.filter = RosterFilter;
    options.initialDir = RosterFolder(state);
    options.mustExist = true;
    const FileDialogResult chosen = FileDialog::Open(parent, options);
    const auto failed = [parent](const std::string& text) {
        MessageBox::Show(parent, QString::fromStdString(text), MsgButtons::Ok, MsgIcon::Critical,
                         QStringLiteral("ERROR"));
    };
    if (chosen.status == FileDialogResult::Status::Failed)
        failed(SaveErrorText(ErrPathAccess, chosen.error.toStdString()));
    if (chosen.status != FileDialogResult::Status::Chosen)
        return 0;

    const std::string path = QFile::encodeName(QFileInfo(chosen.path).absoluteFilePath()).toStdString();
    std::string bytes;
    if (const std::optional<FileError> error = ReadWholeFile(path, bytes)) {
        failed(error->Message(path));
        return 0;
    }
    const Roster roster = ReadRoster(bytes);
    if (roster.Records.empty()) {
        MessageBox::Show(parent, QStringLiteral("%1 holds no students.").arg(chosen.path), MsgButtons::Ok,
                         MsgIcon::Information, Title);
        return 0;
    }
    ImportPreview preview(state.doc, roster, chosen.path, parent);
    preview.exec();
    if (!preview.Result())
        return 0;
    const int added = ImportStudents(state.doc, *preview.Result());
    if (added > 0) {
        CommitStep(state, ImportStepName);
        state.Changed = true;
    }
    return added;
}

} // namespace markroll
