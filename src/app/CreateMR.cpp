#include "app/CreateMR.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "app/ShellText.h"
#include "document/MarkrollFile.h"
#include "document/Session.h"
#include "grading/MrkInfo.h"
#include "platform/MessageBox.h"
#include "platform/Platform.h"
#include "widgets/ChartPainter.h"
#include "widgets/CommandButton.h"
#include "widgets/ListCombo.h"

namespace markroll {

namespace {

// Room left between the controls and the overview, and around the overview.
constexpr double GapTwips = 180;
constexpr double MarginTwips = 300;

} // namespace

CreateMR::CreateMR(AppState& state, QWidget* parent) : QDialog(parent), m_state(state), m_chartFont(ChartFont()) {
    setObjectName(QStringLiteral("CreateMR"));
    setWindowTitle(QStringLiteral("Create New Markroll"));

    // The dialog works on its own plan; the document changes only when "&Create" is confirmed. The file
    // name of an open document stays, so leaving without creating leaves that document as it was.
    m_plan = Initialize(state.doc, state.DocumentOpen());
    m_lists = PlanLists::FromPlan(m_plan);

    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("panel"));

    auto* labCats = new QLabel(QStringLiteral("Markroll Catagories"), panel);
    labCats->setObjectName(QStringLiteral("labCats"));
    QFont heading = labCats->font();
    heading.setBold(true);
    heading.setPointSizeF(heading.pointSizeF() * 1.15);
    labCats->setFont(heading);

    // Each list shows only the selected row, so they need not stand side by side: the names list takes a row
    // of its own, wide enough for the longest name (the overview's fixed left edge leaves no room for four
    // columns), and the three numbers share the row below it.
    auto* lists = new QGridLayout;
    lists->setHorizontalSpacing(8);
    lists->setVerticalSpacing(2);
    const std::array<QString, 4> headers = {QStringLiteral("Catagory Name"), QStringLiteral("Weight"),
                                            QStringLiteral("Fields"), QStringLiteral("Length")};
    for (int i = 0; i < 4; ++i) {
        auto* label = new QLabel(headers[static_cast<std::size_t>(i)], panel);
        label->setObjectName(QStringLiteral("labHeader_%1").arg(i));
        auto* list = new ListCombo(panel);
        list->setObjectName(QStringLiteral("cmbMRCat_%1").arg(i));
        cmbMRCat[static_cast<std::size_t>(i)] = list;
        if (i == 0) {
            lists->addWidget(label, 0, 0, 1, 4);
            lists->addWidget(list, 1, 0, 1, 4);
            lists->setRowMinimumHeight(2, 6);
        } else {
            lists->addWidget(label, 3, i - 1);
            lists->addWidget(list, 4, i - 1);
            // Room for the widest number the box takes (999 for a weight) and the drop-down button.
            list->setMinimumContentsLength(3);
            list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
            list->setFixedWidth(std::max(TwipsToPxX(900), list->sizeHint().width()));
        }
        connect(list, &QComboBox::activated, this, [this, i](int row) { cmbMRCat_Click(i, row); });
        connect(list, &ListCombo::enterPressed, this, &CreateMR::cmbMRCat_Enter);
    }
    lists->setColumnStretch(3, 1);

    auto* labNumStu = new QLabel(QStringLiteral("Number of Students"), panel);
    labNumStu->setObjectName(QStringLiteral("labNumStu"));
    txtNumStu = new QLineEdit(FromBytes(PlanNumberText(m_plan.PlanStudents)), panel);
    txtNumStu->setObjectName(QStringLiteral("txtNumStu"));
    txtNumStu->setValidator(new CodePageValidator(txtNumStu));
    txtNumStu->setFixedWidth(TwipsToPxX(720));
    labNumStu->setBuddy(txtNumStu);

    labCancel = new QLabel(panel);
    labCancel->setObjectName(QStringLiteral("labCancel"));
    labCancel->setAlignment(Qt::AlignCenter);
    labCancel->setMinimumWidth(TwipsToPxX(600));
    labCancel->setToolTip(QStringLiteral("Old: the plan is shown; New: the plan is being edited"));

    auto* students = new QHBoxLayout;
    students->addWidget(labNumStu);
    students->addWidget(txtNumStu);
    students->addStretch();
    students->addWidget(labCancel);

    cmdEdit = new CommandButton("cmdEdit", QStringLiteral("&Edit"), panel);
    cmdAdd = new CommandButton("cmdAdd", QStringLiteral("&Add"), panel,
                               QStringLiteral("Add a category before the selected one"));
    cmdDelete = new CommandButton("cmdDelete", QStringLiteral("&Delete"), panel,
                                  QStringLiteral("Delete the selected category"));
    cmdDisp = new CommandButton("cmdDisp", QStringLiteral("Dis&play"), panel, QStringLiteral("Show the plan again"));
    cmdInfo = new CommandButton("cmdInfo", QStringLiteral("In&fo"), panel,
                                QStringLiteral("Edit the markroll's information lines"));
    cmdCreate = new CommandButton("cmdCreate", QStringLiteral("&Create"), panel,
                                  QStringLiteral("Create the markroll from this plan"));
    cmdExit = new CommandButton("cmdExit", QStringLiteral("E&xit"), panel);

    auto* buttons = new QGridLayout;
    buttons->setSpacing(6);
    buttons->addWidget(cmdEdit, 0, 0);
    buttons->addWidget(cmdAdd, 0, 1);
    buttons->addWidget(cmdDelete, 0, 2);
    buttons->addWidget(cmdDisp, 1, 0);
    buttons->addWidget(cmdInfo, 1, 1);
    buttons->addWidget(cmdCreate, 2, 0);
    buttons->addWidget(cmdExit, 2, 2);
    QFont strong = cmdCreate->font();
    strong.setBold(true);
    cmdCreate->setFont(strong);

    auto* panelLayout = new QVBoxLayout(panel);
    panelLayout->setContentsMargins(0, 0, 0, 0);
    panelLayout->setSpacing(10);
    panelLayout->addWidget(labCats);
    panelLayout->addLayout(lists);
    panelLayout->addLayout(students);
    panelLayout->addStretch();
    panelLayout->addLayout(buttons);

    // The overview is painted on the dialog itself from x 4450 twips, so the controls keep left of it.
    const int margin = TwipsToPxX(MarginTwips) / 2;
    panel->setFixedWidth(TwipsToPxX(OverviewLeft - GapTwips) - margin);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(margin, margin, margin, margin);
    layout->addWidget(panel);
    layout->addStretch();

    connect(cmdEdit, &QPushButton::clicked, this, &CreateMR::cmdEdit_Click);
    connect(cmdAdd, &QPushButton::clicked, this, &CreateMR::cmdAdd_Click);
    connect(cmdDelete, &QPushButton::clicked, this, &CreateMR::cmdDelete_Click);
    connect(cmdDisp, &QPushButton::clicked, this, &CreateMR::NewCatView);
    connect(cmdInfo, &QPushButton::clicked, this, &CreateMR::cmdInfo_Click);
    connect(cmdCreate, &QPushButton::clicked, this, &CreateMR::cmdCreate_Click);
    connect(cmdExit, &QPushButton::clicked, this, &CreateMR::cmdExit_Click);

    FillLists();
    SetEditing(false);
    NewCatView();
    // Tall enough for the most categories a plan can have, so adding rows never resizes the window.
    const double rowPitch = 1.5 * PxToTwipsY(QFontMetricsF(m_chartFont).height());
    setMinimumHeight(std::max(panel->sizeHint().height() + 2 * margin,
                              TwipsToPxY(OverviewFirstTop + MaxCats * rowPitch + 2 * MarginTwips)));
}

void CreateMR::FillLists() {
    for (int i = 0; i < 4; ++i) {
        ListCombo* list = cmbMRCat[static_cast<std::size_t>(i)];
        list->clear();
        for (const PlanLists::Row& row : m_lists.Rows())
            list->addItem(FromBytes(row[static_cast<std::size_t>(i)]));
        list->setCurrentIndex(m_lists.Rows().empty() ? -1 : m_lists.CurRow());
    }
}

void CreateMR::SetEditing(bool editing) {
    m_editing = editing;
    cmdEdit->setText(editing ? QStringLiteral("Canc&el") : QStringLiteral("&Edit"));
    labCancel->setText(editing ? QStringLiteral("New") : QStringLiteral("Old"));
    labCancel->setStyleSheet(editing
                                 ? QStringLiteral("QLabel { background: #ffd9a8; color: #6b3b00; border-radius: 3px; "
                                                  "padding: 2px 8px; font-weight: bold; }")
                                 : QStringLiteral("QLabel { background: #dfe6ee; color: #38485a; border-radius: 3px; "
                                                  "padding: 2px 8px; font-weight: bold; }"));
    cmdAdd->setEnabled(editing);
    cmdDelete->setEnabled(editing);
    for (ListCombo* list : cmbMRCat)
        list->setEnabled(editing);
}

void CreateMR::NewCatView() {
    m_overview = LayoutPlanOverview(m_plan, MeasureWith(m_chartFont));
    const int needed = TwipsToPxX(OverviewLeft + m_overview.boxWidth + 1.5 * MarginTwips);
    if (minimumWidth() < needed)
        setMinimumWidth(needed);
    update();
}

void CreateMR::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    QPainter painter(this);
    // A plain card behind the overview sets it apart from the controls.
    const int inset = TwipsToPxX(MarginTwips) / 3;
    const QRectF card(QPointF(TwipsToPxX(OverviewLeft - GapTwips / 2), 2), QPointF(width() - inset, height() - inset));
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QColor(0xc9, 0xd3, 0xdf));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(card.adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
    painter.setRenderHint(QPainter::Antialiasing, false);
    PaintChart(painter, m_overview, m_chartFont);
}

void CreateMR::cmbMRCat_Click(int /*list*/, int row) {
    if (m_lists.Select(row))
        for (ListCombo* list : cmbMRCat)
            list->setCurrentIndex(m_lists.CurRow());
}

void CreateMR::cmbMRCat_Enter() {
    PlanLists::Row texts;
    for (std::size_t i = 0; i < texts.size(); ++i)
        texts[i] = ToBytes(cmbMRCat[i]->currentText());
    if (!m_lists.Commit(m_plan, texts))
        return;
    FillLists();
    NewCatView();
}

void CreateMR::cmdEdit_Click() {
    if (!m_editing) {
        SetEditing(true);
        // The teacher edits next: the selected category's name is ready to be typed over.
        cmbMRCat[0]->setFocus();
        cmbMRCat[0]->lineEdit()->selectAll();
        return;
    }
    // The lists lock; the keyboard goes to the button that unlocks them again.
    const QWidget* focus = focusWidget();
    if (std::any_of(cmbMRCat.begin(), cmbMRCat.end(),
                    [focus](const ListCombo* list) { return list == focus || list->isAncestorOf(focus); }))
        cmdEdit->setFocus();
    // Cancel: whatever was typed and not committed goes; the committed rows are in the plan already.
    const int selected = m_lists.CurRow();
    m_lists = PlanLists::FromPlan(m_plan);
    m_lists.Select(std::min(selected, static_cast<int>(m_lists.Rows().size()) - 1));
    FillLists();
    SetEditing(false);
    NewCatView();
}

void CreateMR::cmdAdd_Click() {
    if (!m_lists.Add(m_plan))
        return;
    FillLists();
    NewCatView();
}

void CreateMR::cmdDelete_Click() {
    if (!m_lists.Delete(m_plan))
        return;
    FillLists();
    NewCatView();
}

void CreateMR::cmdInfo_Click() {
    MrkInfo info(m_state, this);
    info.exec();
}

void CreateMR::cmdCreate_Click() {
    m_plan.PlanStudents = ReadStudentCount(ToBytes(txtNumStu->text()));
    txtNumStu->setText(FromBytes(PlanNumberText(m_plan.PlanStudents)));
    m_plan.PlanCats = ClampPlanCats(m_plan.PlanCats);
    NewCatView();
    if (MessageBox::Show(this, FromBytes(CreateConfirmation(m_plan.PlanCats, m_plan.PlanStudents)),
                         MsgButtons::OkCancel, MsgIcon::None, QStringLiteral("Create New Markroll")) != MsgAnswer::Ok)
        return;
    CreateDocument(m_state.doc, m_plan);
    DocumentCreated(m_state);
    m_created = true;
}

void CreateMR::cmdExit_Click() {
    m_state.Changed = true;
    QDialog::reject();
}

void CreateMR::reject() {
    cmdExit_Click();
}

void CreateMR::keyPressEvent(QKeyEvent* event) {
    // Escape while editing is "Canc&el": it drops what was typed and not committed and keeps the dialog with
    // its plan. Only in the viewing mode does it leave the dialog, as "E&xit" does.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier && m_editing) {
        cmdEdit_Click();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace markroll
