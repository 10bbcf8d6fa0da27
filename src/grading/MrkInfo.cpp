#include "grading/MrkInfo.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "document/Session.h"
#include "platform/MessageBox.h"
#include "platform/Platform.h"
#include "widgets/CommandButton.h"
#include "widgets/ListCombo.h"

namespace markroll {

MrkInfo::MrkInfo(AppState& state, QWidget* parent)
    : QDialog(parent), m_state(state), m_list(InfoList::FromDocument(state.doc)) {
    setObjectName(QStringLiteral("MrkInfo"));
    setWindowTitle(QStringLiteral("Markroll Info"));

    auto* header0 = new QLabel(QStringLiteral("InfoName"), this);
    header0->setObjectName(QStringLiteral("labHeader_0"));
    auto* header1 = new QLabel(QStringLiteral("Information"), this);
    header1->setObjectName(QStringLiteral("labHeader_1"));
    QFont bold = header0->font();
    bold.setBold(true);
    header0->setFont(bold);
    header1->setFont(bold);

    m_names = new QComboBox(this);
    m_names->setObjectName(QStringLiteral("cmbMRInfo_0"));
    m_names->setToolTip(QStringLiteral("InfoName (noneditable)"));
    m_names->setEnabled(false);
    m_names->setMinimumWidth(TwipsToPxX(2400));

    m_texts = new ListCombo(this);
    m_texts->setObjectName(QStringLiteral("cmbMRInfo_1"));
    m_texts->setToolTip(QStringLiteral("Info (editable)"));
    m_texts->setMinimumWidth(TwipsToPxX(5200));

    for (const InfoList::Line& line : m_list.Lines()) {
        m_names->addItem(FromBytes(line.name));
        m_texts->addItem(FromBytes(line.text));
    }

    labNumInfo = new QLabel(this);
    labNumInfo->setObjectName(QStringLiteral("labNumInfo"));
    labNumInfo->setToolTip(QStringLiteral("Maximum of 16 Entries"));

    cmdAdd = new CommandButton("cmdAdd", QStringLiteral("&Add"), this, QStringLiteral("Add New Item"));
    cmdDelete = new CommandButton("cmdDelete", QStringLiteral("&Delete"), this, QStringLiteral("Delete Current Item"));
    cmdApply = new CommandButton("cmdApply", QStringLiteral("A&pply"), this, QStringLiteral("Make Changes to Info"));
    cmdExit = new CommandButton("cmdExit", QStringLiteral("E&xit"), this);

    connect(m_texts, &QComboBox::activated, this, &MrkInfo::cmbMRInfo_Click);
    connect(m_texts, &ListCombo::enterPressed, this, &MrkInfo::cmbMRInfo_Enter);
    connect(cmdAdd, &QPushButton::clicked, this, &MrkInfo::cmdAdd_Click);
    connect(cmdDelete, &QPushButton::clicked, this, &MrkInfo::cmdDelete_Click);
    connect(cmdApply, &QPushButton::clicked, this, &MrkInfo::cmdApply_Click);
    connect(cmdExit, &QPushButton::clicked, this, &QDialog::reject);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    grid->addWidget(header0, 0, 0);
    grid->addWidget(header1, 0, 1);
    grid->addWidget(m_names, 1, 0);
    grid->addWidget(m_texts, 1, 1);
    grid->setColumnStretch(1, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(labNumInfo);
    buttons->addStretch();
    buttons->addWidget(cmdAdd);
    buttons->addWidget(cmdDelete);
    buttons->addSpacing(12);
    buttons->addWidget(cmdApply);
    buttons->addWidget(cmdExit);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 14, 14, 14);
    layout->setSpacing(14);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    ShowSelection();
    m_texts->setFocus();
}

void MrkInfo::ShowSelection() {
    m_names->setCurrentIndex(m_list.Current());
    m_texts->setCurrentIndex(m_list.Current());
    labNumInfo->setText(FromBytes(m_list.NumInfoText()));
}

void MrkInfo::cmbMRInfo_Click(int index) {
    m_list.Select(index);
    ShowSelection();
}

void MrkInfo::cmbMRInfo_Enter() {
    const QString typed = m_texts->lineEdit()->text();
    m_list.Commit(ToBytes(typed));
    m_texts->setItemText(m_list.Current(), typed);
    ShowSelection();
}

void MrkInfo::cmdAdd_Click() {
    if (!m_list.Add())
        return;
    const InfoList::Line& added = m_list.Lines().back();
    // The edit field keeps what is being typed there; adding only grows the lists.
    const QString typed = m_texts->lineEdit()->text();
    m_names->addItem(FromBytes(added.name));
    m_texts->addItem(FromBytes(added.text));
    m_texts->lineEdit()->setText(typed);
    labNumInfo->setText(FromBytes(m_list.NumInfoText()));
}

void MrkInfo::cmdDelete_Click() {
    const int removed = m_list.Current();
    if (!m_list.Delete())
        return;
    m_names->removeItem(removed);
    m_texts->removeItem(removed);
    ShowSelection();
}

void MrkInfo::keyPressEvent(QKeyEvent* event) {
    // Escape first drops what is being typed into the box and shows the line's text again; only when nothing
    // is being typed does it leave the dialog, as "E&xit" does, and discard what was not applied.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        const QString line = FromBytes(m_list.Lines()[static_cast<std::size_t>(m_list.Current())].text);
        if (m_texts->lineEdit()->text() != line) {
            m_texts->lineEdit()->setText(line);
            m_texts->lineEdit()->selectAll();
            return;
        }
    }
    QDialog::keyPressEvent(event);
}

void MrkInfo::cmdApply_Click() {
    if (MessageBox::Show(this, QStringLiteral("Apply Changes to Markroll Info ?"), MsgButtons::OkCancel, MsgIcon::None,
                         QStringLiteral("Change Markroll Info")) != MsgAnswer::Ok)
        return;
    m_list.ApplyTo(m_state.doc);
    m_applied = true;
    CommitStep(m_state, "Information Lines");
}

} // namespace markroll
