#include "grading/GDist.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "document/Session.h"
#include "platform/Platform.h"
#include "widgets/CommandButton.h"
#include "widgets/LabelStyle.h"
#include "widgets/ListCombo.h"
#include "widgets/SharedAccessKey.h"

namespace markroll {

GDist::GDist(AppState& state, QWidget* parent)
    : QDialog(parent), m_state(state), m_list(GradeList::FromDocument(state.doc)) {
    setObjectName(QStringLiteral("GDist"));
    setWindowTitle(QStringLiteral("Grade Distribution - Assignments"));

    auto* frameGD = new QGroupBox(QStringLiteral("Grade Distribution"), this);
    frameGD->setObjectName(QStringLiteral("frameGD"));

    auto* labGrade = new QLabel(QStringLiteral("Grade"), frameGD);
    labGrade->setObjectName(QStringLiteral("labGrade"));
    labGrade->setToolTip(QStringLiteral("Assigned Letter Grade"));
    auto* labValue = new QLabel(QStringLiteral("Value"), frameGD);
    labValue->setObjectName(QStringLiteral("labValue"));
    labValue->setToolTip(QStringLiteral("Minimum Score"));

    const QFont courier = ResolveFont(QStringLiteral("Courier"), font().pointSizeF());
    for (int i = 0; i < 2; ++i) {
        cmbGDist[i] = new ListCombo(frameGD);
        cmbGDist[i]->setObjectName(QStringLiteral("cmbGDist_%1").arg(i));
        cmbGDist[i]->setToolTip(QStringLiteral("Grade Distribution (click item to edit)"));
        cmbGDist[i]->setFont(courier);
        cmbGDist[i]->setMaxVisibleItems(MaxGrades);
        cmbGDist[i]->setMinimumWidth(TwipsToPxX(1100));
        connect(cmbGDist[i], &QComboBox::activated, this, &GDist::cmbGDist_Click);
        connect(cmbGDist[i], &ListCombo::enterPressed, this, &GDist::cmbGDist_Enter);
    }

    labLevel = new QLabel(QStringLiteral("Level xx"), frameGD);
    labLevel->setObjectName(QStringLiteral("labLevel"));
    labGLevels = new QLabel(QStringLiteral("Grade Levels = xx"), frameGD);
    labGLevels->setObjectName(QStringLiteral("labGLevels"));
    for (QLabel* label : {labLevel, labGLevels}) {
        label->setAlignment(Qt::AlignCenter);
        label->setMargin(3);
    }

    cmdAdd = new CommandButton("cmdAdd", QStringLiteral("A&dd"), this, QStringLiteral("Add (append) New Grade Level"));
    cmdDelete = new CommandButton("cmdDelete", QStringLiteral("&Delete"), this,
                                  QStringLiteral("Delete (selected) Grade Level"));
    cmdInsert = new CommandButton("cmdInsert", QStringLiteral("&Insert"), this,
                                  QStringLiteral("Insert (before) New Grade Level"));
    cmdAccept =
        new CommandButton("cmdAccept", QStringLiteral("&A&ccept"), this, QStringLiteral("Accept Changes to GradeDist"));
    cmdEdit = new CommandButton("cmdEdit", QStringLiteral("&Edit"), this,
                                QStringLiteral("Edit GradeDist (use Enter to change)"));
    cmdClear = new CommandButton("cmdClear", QStringLiteral("Clea&r"), this,
                                 QStringLiteral("Clear (blank) All Assigned Grades"));
    cmdApply =
        new CommandButton("cmdApply", QStringLiteral("&Apply"), this, QStringLiteral("Apply (current) GradeDist"));
    cmdExit = new CommandButton("cmdExit", QStringLiteral("E&xit"), this);
    // Apply and Accept are never usable together, so Alt+A presses the one that is; Alt+D adds a level and,
    // pressed again, reaches Delete.
    new SharedAccessKey(this, cmdApply, cmdAccept, Qt::Key_A);
    new SharedAccessKey(this, cmdAdd, cmdDelete, Qt::Key_D);

    connect(cmdEdit, &QPushButton::clicked, this, &GDist::cmdEdit_Click);
    connect(cmdAdd, &QPushButton::clicked, this, &GDist::cmdAdd_Click);
    connect(cmdInsert, &QPushButton::clicked, this, &GDist::cmdInsert_Click);
    connect(cmdDelete, &QPushButton::clicked, this, &GDist::cmdDelete_Click);
    connect(cmdAccept, &QPushButton::clicked, this, &GDist::cmdAccept_Click);
    connect(cmdApply, &QPushButton::clicked, this, &GDist::cmdApply_Click);
    connect(cmdClear, &QPushButton::clicked, this, &GDist::cmdClear_Click);
    // Edits that were not accepted are discarded without a question.
    connect(cmdExit, &QPushButton::clicked, this, &QDialog::reject);

    auto* lists = new QGridLayout(frameGD);
    lists->setHorizontalSpacing(10);
    lists->addWidget(labGrade, 0, 0);
    lists->addWidget(labValue, 0, 1);
    lists->addWidget(cmbGDist[0], 1, 0);
    lists->addWidget(cmbGDist[1], 1, 1);
    lists->addWidget(labLevel, 2, 0, 1, 2);
    lists->addWidget(labGLevels, 3, 0, 1, 2);
    lists->setRowStretch(4, 1);

    auto* buttons = new QGridLayout;
    buttons->setSpacing(6);
    buttons->addWidget(cmdAdd, 0, 0);
    buttons->addWidget(cmdDelete, 1, 0);
    buttons->addWidget(cmdInsert, 2, 0);
    buttons->addWidget(cmdAccept, 3, 0);
    buttons->addWidget(cmdEdit, 0, 1);
    buttons->addWidget(cmdClear, 1, 1);
    buttons->addWidget(cmdApply, 2, 1);
    buttons->addWidget(cmdExit, 3, 1);
    buttons->setRowStretch(4, 1);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(14, 14, 14, 14);
    layout->setSpacing(14);
    layout->addWidget(frameGD);
    layout->addLayout(buttons);

    ShowList();
    cmdEdit->setFocus();
}

// The lists, their selection, the labels and the buttons always show the working table and its state.
void GDist::ShowList() {
    for (ListCombo* box : cmbGDist) {
        const QSignalBlocker quiet(box);
        box->clear();
        box->setEnabled(m_list.Editing());
    }
    for (const GradeLevelText& level : m_list.Levels()) {
        cmbGDist[0]->addItem(FromBytes(level.letter));
        cmbGDist[1]->addItem(FromBytes(level.minimum));
    }
    ShowSelection();

    const QString colour = LabelStyle(m_list.LabelColour(), 0x000000);
    labGLevels->setStyleSheet(colour);
    labGLevels->setText(FromBytes(m_list.GradeLevelsText()));
    labLevel->setStyleSheet(colour);

    cmdEdit->setText(m_list.Editing() ? QStringLiteral("&Cancel") : QStringLiteral("&Edit"));
    for (QPushButton* button : {cmdInsert, cmdDelete, cmdAdd, cmdAccept})
        button->setEnabled(m_list.Editing());
    cmdApply->setEnabled(m_list.CanApply());
    cmdClear->setEnabled(m_list.CanClear());
}

// Both lists always select the same level.
void GDist::ShowSelection() {
    for (ListCombo* box : cmbGDist) {
        const QSignalBlocker quiet(box);
        box->setCurrentIndex(m_list.Current());
        // What was typed but not committed gives way to the selected level's text.
        box->lineEdit()->setText(box->currentText());
    }
    labLevel->setText(FromBytes(m_list.LevelText()));
}

bool GDist::Confirm(const GradeList::Question& question, MsgButtons buttons) {
    const MsgAnswer answer = MessageBox::Show(this, QString::fromLatin1(question.text), buttons, MsgIcon::None,
                                              QString::fromLatin1(question.title));
    return answer == MsgAnswer::Yes || answer == MsgAnswer::Ok;
}

void GDist::cmbGDist_Click(int index) {
    m_list.Select(index);
    ShowSelection();
}

void GDist::cmbGDist_Enter() {
    m_list.Commit(ToBytes(cmbGDist[0]->lineEdit()->text()), ToBytes(cmbGDist[1]->lineEdit()->text()));
    ShowList();
}

void GDist::cmdEdit_Click() {
    if (m_list.Editing())
        m_list.Cancel(m_state.doc);
    else
        m_list.Edit();
    ShowList();
    if (m_list.Editing())
        cmbGDist[0]->setFocus();
}

void GDist::cmdAdd_Click() {
    if (m_list.Add())
        ShowList();
}

void GDist::cmdInsert_Click() {
    if (m_list.Insert())
        ShowList();
}

void GDist::cmdDelete_Click() {
    if (m_list.Delete())
        ShowList();
}

void GDist::cmdAccept_Click() {
    if (!Confirm(GradeList::AcceptQuestion, MsgButtons::YesNo))
        return;
    m_list.Accept(m_state.doc);
    m_state.Changed = true;
    CommitStep(m_state, "Grade Table");
    m_tableAccepted = true;
    ShowList();
}

void GDist::cmdApply_Click() {
    if (!Confirm(GradeList::ApplyQuestion, MsgButtons::YesNo))
        return;
    m_list.Apply(m_state.doc);
    m_state.Changed = true;
    CommitStep(m_state, "Assign Grades");
    m_gradesAssigned = true;
    ShowList();
}

void GDist::cmdClear_Click() {
    if (!Confirm(GradeList::ClearQuestion, MsgButtons::OkCancel))
        return;
    m_list.Clear(m_state.doc);
    m_state.Changed = true;
    CommitStep(m_state, "Clear Grades");
    m_gradesCleared = true;
    ShowList();
}

} // namespace markroll
