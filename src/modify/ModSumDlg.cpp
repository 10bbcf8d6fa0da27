#include "modify/ModSumDlg.h"
#include "modify/DialogHeader.h"

#include <QApplication>
#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>
#include <optional>

#include "calc/CatCaption.h"
#include "calc/Students.h"
#include "document/Session.h"
#include "document/TextNumber.h"
#include "grading/GDist.h"
#include "modify/ImportPreview.h"
#include "modify/StuView.h"
#include "modify/StudentSetup.h"
#include "modify/UpDown.h"
#include "platform/MessageBox.h"
#include "platform/Platform.h"
#include "reports/ModOrder.h"
#include "widgets/ChartPainter.h"
#include "widgets/CommandButton.h"
#include "widgets/SharedAccessKey.h"

namespace markroll {

namespace {

constexpr int White = 15;

const char* const OptCaptions[NumStudentOptions] = {
    "&Insert Students", "&Append Students",   "&Delete Students",   "&Switch Students",
    "Al&phabetize",     "Ad&justment Points", "&Grade Assignments", "&Order by Fields",
};

void Colour(QLineEdit* box, int color) {
    box->setStyleSheet(
        QStringLiteral("QLineEdit { background-color: %1; color: black; }").arg(PaletteColor(color).name()));
}

QLabel* Label(const char* name, const QString& caption, QWidget* parent) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

QLineEdit* Box(const char* name, QWidget* parent) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

bool TakesSpinners(int option) {
    return option == OptInsert || option == OptAppend || option == OptDelete || option == OptSwitch;
}

} // namespace

ModSumDlg::ModSumDlg(AppState& state, QWidget* parent) : QDialog(parent), m_state(state) {
    setObjectName(QStringLiteral("ModSumDlg"));
    setWindowTitle(QStringLiteral("Modify Students/Summary"));

    m_opts = new QButtonGroup(this);
    auto* options = new QVBoxLayout;
    for (int i = 0; i < NumStudentOptions; ++i) {
        Opt[i] = new QRadioButton(QString::fromLatin1(OptCaptions[i]), this);
        Opt[i]->setObjectName(QStringLiteral("Opt_%1").arg(i));
        m_opts->addButton(Opt[i], i);
        options->addWidget(Opt[i]);
    }
    connect(m_opts, &QButtonGroup::idClicked, this, &ModSumDlg::Opt_Click);

    auto* boxes = new QGridLayout;
    for (int i = 0; i < 2; ++i) {
        Lab[i] = Label(i == 0 ? "Lab_0" : "Lab_1", QString(), this);
        Lab[i]->installEventFilter(this);
        txt[i] = Box(i == 0 ? "txt_0" : "txt_1", this);
        txt[i]->setFixedWidth(TwipsToPxX(700));
        UD[i] = new UpDown(QStringLiteral("UD_%1").arg(i), txt[i], this);
        UD[i]->Changed = [this, i] { UD_Change(i); };
        boxes->addWidget(Lab[i], i, 0);
        boxes->addWidget(txt[i], i, 1);
        boxes->addWidget(UD[i], i, 2, Qt::AlignLeft);
    }
    labID = Label("labID", QStringLiteral("ID#:"), this);
    txtID = Box("txtID", this);
    labName = Label("labName", QStringLiteral("Name:"), this);
    txtName = Box("txtName", this);
    txtName->setMinimumWidth(TwipsToPxX(3600));
    boxes->addWidget(labID, 2, 0);
    boxes->addWidget(txtID, 2, 1, 1, 3);
    boxes->addWidget(labName, 3, 0);
    boxes->addWidget(txtName, 3, 1, 1, 3);
    boxes->setColumnStretch(3, 1);
    boxes->setRowStretch(4, 1);
    // Carries the ordering field to the listing; never shown.
    labFieldVar = Label("labFieldVar", QString(), this);
    labFieldVar->hide();

    cmdApply =
        new CommandButton("cmdApply", QStringLiteral("A&pply"), this, QStringLiteral("Apply Selected Operation"));
    cmdCancel =
        new CommandButton("cmdCancel", QStringLiteral("&Cancel"), this, QStringLiteral("Cancel (Exit) Operation"));
    cmdDispStu = new CommandButton("cmdDispStu", QStringLiteral("Display St&udents"), this,
                                   QStringLiteral("Review all Students"));
    cmdMSSave = new CommandButton("cmdMSSave", QStringLiteral("SaveFi&le"), this, QStringLiteral("Save (backup) File"));
    cmdImport = new CommandButton("cmdImport", QStringLiteral("I&mport..."), this,
                                  QStringLiteral("Append the Students of a Class Roster"));
    connect(cmdApply, &QPushButton::clicked, this, &ModSumDlg::cmdApply_Click);
    // The roster's students are appended as one step; the editor computes their totals once the dialog closes.
    connect(cmdImport, &QPushButton::clicked, this, [this] {
        if (ImportRoster(m_state, this) > 0)
            Done(true);
    });
    // "A&pply" and "Al&phabetize" share Alt+P: the first press applies.
    new SharedAccessKey(this, cmdApply, Opt[4], Qt::Key_P);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(cmdDispStu, &QPushButton::clicked, this, [this] {
        StuView view(m_state, this);
        view.exec();
    });
    ConnectSaveButton(cmdMSSave, m_saveAs, m_state.Changed);

    ArrangeDialog(this, options, boxes, {cmdApply, cmdCancel, cmdDispStu, cmdImport, cmdMSSave});

    ColorSaveButton(false);
    Opt[OptAppend]->setChecked(true);
    Opt_Click(OptAppend);
    CentreOnScreen(this);
}

QString ModSumDlg::Summary() const {
    const Document& doc = m_state.doc;
    const int c = std::clamp<int>(m_state.EdCat, 0, std::max(doc.NumCats - 1, 0));
    if (doc.NumCats == 0)
        return QString();
    const auto k = static_cast<std::size_t>(c);
    return FromBytes(CatCaption(c, doc.CatName[k], doc.CatWeight[k], doc.NumStudents));
}

void ModSumDlg::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    DrawHeaderBand(this, Summary());
}

void ModSumDlg::ColorSaveButton(bool changed) {
    markroll::ColorSaveButton(cmdMSSave, changed);
}

void ModSumDlg::ShowStudent(int s, int color) {
    const auto [id, name] = StudentIdName(m_state.doc, s);
    txtID->setText(FromBytes(id));
    txtName->setText(FromBytes(name));
    Colour(txtID, color);
    Colour(txtName, color);
}

void ModSumDlg::ShowNewStudent() {
    txtID->setText(FromBytes(m_newId));
    txtName->setText(FromBytes(m_newName));
    Colour(txtID, White);
    Colour(txtName, White);
}

void ModSumDlg::SetIdNameEnabled(bool enabled) {
    txtID->setEnabled(enabled);
    txtName->setEnabled(enabled);
}

void ModSumDlg::Opt_Click(int index) {
    m_option = index;
    Opt[static_cast<std::size_t>(index)]->setChecked(true);
    cmdCancel->setText(QStringLiteral("&Cancel"));
    cmdApply->setEnabled(true);
    for (QWidget* w : {static_cast<QWidget*>(txt[0]), static_cast<QWidget*>(txt[1]), static_cast<QWidget*>(UD[0]),
                       static_cast<QWidget*>(UD[1]), static_cast<QWidget*>(Lab[0]), static_cast<QWidget*>(Lab[1]),
                       static_cast<QWidget*>(labID), static_cast<QWidget*>(labName), static_cast<QWidget*>(txtID),
                       static_cast<QWidget*>(txtName)}) {
        w->show();
        w->setEnabled(true);
    }
    for (QLineEdit* box : {txt[0], txt[1], txtID, txtName})
        Colour(box, White);

    const StudentSetup s = SetUpOption(m_state.doc, index, m_state.EdCat);
    setWindowTitle(FromBytes(s.Caption));
    if (s.Limit) {
        MessageBox::Show(this, FromBytes(*s.Limit), MsgButtons::Ok, MsgIcon::Information, QStringLiteral("!"));
        return;
    }
    Lab[0]->setText(FromBytes(s.Label0));
    Lab[1]->setText(FromBytes(s.Label1));
    for (QWidget* w : {static_cast<QWidget*>(txt[0]), static_cast<QWidget*>(UD[0]), static_cast<QWidget*>(Lab[0])})
        w->setVisible(s.Box0);
    for (QWidget* w : {static_cast<QWidget*>(txt[1]), static_cast<QWidget*>(UD[1]), static_cast<QWidget*>(Lab[1])})
        w->setVisible(s.Box1);
    txt[1]->setEnabled(s.Box1Enabled);
    UD[1]->setEnabled(s.Box1Enabled);
    UD[0]->SetRange(s.Range0);
    UD[1]->SetRange(s.Range1);
    for (QWidget* w : {static_cast<QWidget*>(labID), static_cast<QWidget*>(labName), static_cast<QWidget*>(txtID),
                       static_cast<QWidget*>(txtName)})
        w->setVisible(s.IdName);
    SetIdNameEnabled(s.IdNameEnabled);
    if (s.Shown > 0)
        ShowStudent(s.Shown, index == OptSwitch ? ColorLightGreen : White);
    else if (s.IdNameEnabled)
        ShowNewStudent();
    cmdApply->setEnabled(s.CanApply);
}

void ModSumDlg::UD_Change(int index) {
    switch (m_option) {
    case OptInsert:
    case OptAppend:
        // With one new student the boxes hold that student's ID and name, which Apply gives it.
        if (UD[0]->Value() == 1) {
            if (index == 0) {
                SetIdNameEnabled(true);
                ShowNewStudent();
            }
        } else {
            SetIdNameEnabled(false);
            ShowStudent(UD[1]->Value(), White);
        }
        break;
    case OptDelete: {
        const int start = UD[1]->Value();
        if (index == 1) {
            ShowStudent(start, White);
            UD[0]->SetMax(DeleteLimit(m_state.doc, start));
        }
        break;
    }
    case OptSwitch:
        ShowStudent(UD[index]->Value(), ColorLightGreen + index);
        Colour(txt[0], ColorLightGreen);
        Colour(txt[1], ColorLightGreen + 1);
        break;
    default:
        break;
    }
}

bool ModSumDlg::eventFilter(QObject* watched, QEvent* event) {
    // A click on a spinner's label acts as a change of that spinner.
    if (event->type() == QEvent::MouseButtonRelease && TakesSpinners(m_option)) {
        for (int i = 0; i < 2; ++i)
            if (watched == Lab[i] && Lab[i]->isEnabled() && txt[i]->isEnabled()) {
                UD[i]->Put(UD[i]->Value());
                UD_Change(i);
            }
    }
    return QDialog::eventFilter(watched, event);
}

void ModSumDlg::cmdApply_Click() {
    const int op = m_option;
    if (op < 0)
        return;
    Document& doc = m_state.doc;
    // The count of students may have changed since the option was set up; the limit holds at Apply as well.
    if (op == OptInsert || op == OptAppend) {
        if (const auto limit = InsertLimit(doc)) {
            MessageBox::Show(this, FromBytes(*limit), MsgButtons::Ok, MsgIcon::Information, QStringLiteral("!"));
            return;
        }
    }
    const StudentSetup s = SetUpOption(doc, op, m_state.EdCat);
    if (!s.CanApply)
        return;
    const auto [a, b] = ApplyNumbers(doc, op, m_state.EdCat, ToBytes(txt[0]->text()), ToBytes(txt[1]->text()));
    // What Apply uses is what the boxes show when the question is asked.
    if (s.Range0)
        UD[0]->Put(a);
    if (s.Range1)
        UD[1]->Put(b);
    const auto confirm = [this](const std::string& text) {
        return MessageBox::Show(this, FromBytes(text), MsgButtons::YesNo, MsgIcon::None, QStringLiteral("?")) ==
               MsgAnswer::Yes;
    };
    std::string step;
    const std::string row = a == 1 ? NewStudentRow(ToBytes(txtID->text()), ToBytes(txtName->text())) : std::string();
    switch (op) {
    case OptInsert:
        if (!confirm(InsertText(doc, b, a)))
            return;
        InsertStudents(doc, b, a, row);
        step = "Insert Students";
        break;
    case OptAppend:
        if (!confirm(AppendText(doc, a)))
            return;
        InsertStudents(doc, doc.NumStudents + 1, a, row);
        step = "Append Students";
        break;
    case OptDelete:
        if (!confirm(DeleteText(doc, b, a)))
            return;
        DeleteStudents(doc, b, a);
        step = "Delete Students";
        break;
    case OptSwitch:
        if (!confirm(SwitchText(doc, a, b)))
            return;
        SwitchStudents(doc, a, b);
        step = "Switch Students";
        break;
    case OptAlpha:
        if (!confirm(AlphaText))
            return;
        AlphaStudents(doc);
        step = "Alphabetize Students";
        break;
    case OptAdjust:
        if (!confirm(AdjustText(a)))
            return;
        SetAdjustmentPoints(doc, a);
        step = "Adjustment Points";
        break;
    case OptGrade: {
        GDist grades(m_state, this);
        grades.exec();
        Done(grades.TableAccepted() || grades.GradesAssigned() || grades.GradesCleared());
        return;
    }
    case OptOrder: {
        labFieldVar->setText(FromBytes(NumText(a)));
        ModOrder listing(m_state, a, this);
        listing.exec();
        Done(false);
        return;
    }
    default:
        return;
    }
    CommitStep(m_state, step);
    Done(true);
}

void ModSumDlg::Done(bool changed) {
    if (changed) {
        m_changed = true;
        m_state.Changed = true;
        ColorSaveButton(true);
    }
    // Every operation starts from a fresh set-up, with ranges from the students there are now.
    m_opts->setExclusive(false);
    for (QRadioButton* option : Opt)
        option->setChecked(false);
    m_opts->setExclusive(true);
    m_option = -1;
    cmdCancel->setText(QStringLiteral("&Exit"));
    cmdApply->setEnabled(false);
    update();
}

} // namespace markroll
