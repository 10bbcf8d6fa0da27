#include "modify/ModCatDlg.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

#include "calc/CatCaption.h"
#include "document/Session.h"
#include "document/TextNumber.h"
#include "modify/CatView.h"
#include "modify/DialogHeader.h"
#include "modify/UpDown.h"
#include "platform/MessageBox.h"
#include "platform/Platform.h"
#include "reports/ModOrder.h"
#include "widgets/ChartPainter.h"
#include "widgets/CommandButton.h"
#include "widgets/SharedAccessKey.h"

namespace markroll {

namespace {

const char* const OptCaptions[NumFieldOptions] = {
    "Change &Name/Weight", "&Insert New Fields", "&Append New Fields", "&Delete Old Fields",
    "S&witch Fields",      "&Order by Fields",   "Set Field &Values",
};

} // namespace

ModCatDlg::ModCatDlg(AppState& state, QWidget* parent) : QDialog(parent), m_state(state) {
    setObjectName(QStringLiteral("ModCatDlg"));

    m_opts = new QButtonGroup(this);
    auto* options = new QVBoxLayout;
    for (int i = 0; i < NumFieldOptions; ++i) {
        Opt[i] = new QRadioButton(QString::fromLatin1(OptCaptions[i]), this);
        Opt[i]->setObjectName(QStringLiteral("Opt_%1").arg(i));
        m_opts->addButton(Opt[i], i);
        options->addWidget(Opt[i]);
    }
    options->addStretch(1);
    connect(m_opts, &QButtonGroup::idClicked, this, &ModCatDlg::Opt_Click);

    auto* boxes = new QGridLayout;
    for (int k = 0; k < NumFieldBoxes; ++k) {
        Lab[k] = new QLabel(this);
        Lab[k]->setObjectName(QStringLiteral("Lab_%1").arg(k));
        txt[k] = new QLineEdit(this);
        txt[k]->setObjectName(QStringLiteral("txt_%1").arg(k));
        boxes->addWidget(Lab[k], k, 0);
        if (k == NumFieldBoxes - 1) {
            // The name box takes a whole category name.
            txt[k]->setMinimumWidth(TwipsToPxX(2400));
            boxes->addWidget(txt[k], k, 1, 1, 3);
            continue;
        }
        txt[k]->setFixedWidth(TwipsToPxX(700));
        UD[k] = new UpDown(QStringLiteral("UD_%1").arg(k), txt[k], this);
        boxes->addWidget(txt[k], k, 1);
        boxes->addWidget(UD[k], k, 2, Qt::AlignLeft);
    }
    // The labels' column fits the longest label of any option.
    int labelWidth = 0;
    for (int option = 0; option < NumFieldOptions; ++option)
        for (const std::string& label : SetUpFieldOption(m_state.doc, m_state.EdCat, option).Labels)
            labelWidth = std::max(labelWidth, Lab[0]->fontMetrics().horizontalAdvance(FromBytes(label)));
    boxes->setColumnMinimumWidth(0, labelWidth);
    boxes->setColumnStretch(3, 1);
    boxes->setRowStretch(NumFieldBoxes, 1);
    // Carries the ordering field to the listing; never shown.
    labFieldVar = new QLabel(this);
    labFieldVar->setObjectName(QStringLiteral("labFieldVar"));
    labFieldVar->hide();

    cmdApply =
        new CommandButton("cmdApply", QStringLiteral("A&pply"), this, QStringLiteral("Apply Specified Operation"));
    cmdCancel =
        new CommandButton("cmdCancel", QStringLiteral("Canc&el"), this, QStringLiteral("Cancel (Exit) Modification"));
    cmdDispCat = new CommandButton("cmdDispCat", QStringLiteral("Dis&play Catagories"), this,
                                   QStringLiteral("Review Catagoties"));
    cmdMCSave = new CommandButton("cmdMCSave", QStringLiteral("&SaveFile"), this, QStringLiteral("Save (Backup) File"));
    connect(cmdApply, &QPushButton::clicked, this, &ModCatDlg::cmdApply_Click);
    // "A&pply" and "Dis&play Catagories" share Alt+P: the first press applies.
    new SharedAccessKey(this, cmdApply, cmdDispCat, Qt::Key_P);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(cmdDispCat, &QPushButton::clicked, this, [this] {
        CatView view(m_state, this);
        view.exec();
    });
    ConnectSaveButton(cmdMCSave, m_saveAs, m_state.Changed);

    ArrangeDialog(this, options, boxes, {cmdApply, cmdCancel, cmdDispCat, cmdMCSave});

    // As wide as the widest option needs, so the window keeps its size from option to option.
    setMinimumWidth(sizeHint().width());

    // Load.
    setWindowTitle(QStringLiteral("Modify Category"));
    ColorSaveButton(false);
    Opt_Click(FldOptInsert);
    CentreOnScreen(this);
}

QString ModCatDlg::Header() const {
    const Document& doc = m_state.doc;
    if (!doc.IsUserCat(m_state.EdCat))
        return QString();
    const auto c = static_cast<std::size_t>(m_state.EdCat);
    return FromBytes(CatCaption(m_state.EdCat, doc.CatName[c], doc.CatWeight[c], doc.CatFields[c]));
}

void ModCatDlg::paintEvent(QPaintEvent* event) {
    // DispCatHead: the caption on a light-green box, centred above the options, drawn afresh each time.
    QDialog::paintEvent(event);
    DrawHeaderBand(this, Header());
}

void ModCatDlg::ColorSaveButton(bool changed) {
    markroll::ColorSaveButton(cmdMCSave, changed);
}

void ModCatDlg::ShowLimit(const FieldLimit& limit) {
    MessageBox::Show(this, FromBytes(limit.Text), MsgButtons::Ok,
                     limit.Information ? MsgIcon::Information : MsgIcon::Exclamation, FromBytes(limit.Title));
}

void ModCatDlg::Opt_Click(int index) {
    m_option = index;
    Opt[static_cast<std::size_t>(index)]->setChecked(true);
    for (int k = 0; k < NumFieldBoxes; ++k) {
        const bool number = k < NumFieldBoxes - 2;
        for (QWidget* w : {static_cast<QWidget*>(txt[k]), static_cast<QWidget*>(Lab[k])}) {
            w->setVisible(number);
            w->setEnabled(true);
        }
        if (k < NumFieldBoxes - 1) {
            UD[k]->setVisible(number);
            UD[k]->setEnabled(true);
        }
    }

    const FieldSetup s = SetUpFieldOption(m_state.doc, m_state.EdCat, index);
    setWindowTitle(FromBytes(s.Caption));
    if (!s.SetUp) {
        if (index == FldOptInsert) {
            m_opts->setExclusive(false);
            Opt[FldOptInsert]->setChecked(false);
            m_opts->setExclusive(true);
            m_option = -1;
        }
        ShowLimit(*s.Limit);
        return;
    }
    for (std::size_t k = 0; k < NumFieldBoxes; ++k) {
        txt[k]->setVisible(s.Shown[k]);
        Lab[k]->setVisible(s.Shown[k]);
        Lab[k]->setText(FromBytes(s.Labels[k]));
        if (k < NumFieldBoxes - 1) {
            UD[k]->setVisible(s.Shown[k]);
            UD[k]->SetRange(s.Ranges[k]);
        }
    }
    txt[0]->setEnabled(s.Box0Enabled);
    UD[0]->setEnabled(s.Box0Enabled);
    if (index == FldOptName)
        txt[NumFieldBoxes - 1]->setText(FromBytes(s.Name));
    if (s.Limit)
        ShowLimit(*s.Limit);
}

void ModCatDlg::cmdApply_Click() {
    const int op = m_option;
    if (op < 0)
        return;
    Document& doc = m_state.doc;
    const int cat = m_state.EdCat;
    // The category may have changed since the option was selected; its limits hold at Apply as well.
    if (const auto limit = FieldOptionLimit(doc, cat, op)) {
        ShowLimit(*limit);
        return;
    }
    FieldBoxes typed;
    for (std::size_t k = 0; k < NumFieldBoxes; ++k)
        typed[k] = ToBytes(txt[k]->text());
    const FieldRequest request = ReadFieldRequest(doc, cat, op, typed);
    // What is asked is what the boxes show.
    const auto shown = FieldBoxTexts(doc, cat, request);
    for (std::size_t k = 0; k < NumFieldBoxes; ++k)
        if (shown[k])
            txt[k]->setText(FromBytes(*shown[k]));

    if (op == FldOptOrder) {
        labFieldVar->setText(FromBytes(NumText(request.Field)));
        ModOrder listing(m_state, request.Field, this);
        listing.exec();
        Done(false);
        return;
    }
    const std::string question = FieldQuestion(doc, cat, request);
    if (question.empty())
        return;
    if (MessageBox::Show(this, FromBytes(question), MsgButtons::OkCancel, MsgIcon::None,
                         FromBytes(FieldQuestionTitle(op))) != MsgAnswer::Ok)
        return;
    ApplyField(doc, cat, request);
    // One step to undo, named as the option that made it.
    CommitStep(m_state, QString::fromLatin1(OptCaptions[op]).remove(QLatin1Char('&')).toStdString());
    Done(true);
}

void ModCatDlg::Done(bool changed) {
    if (changed) {
        m_changed = true;
        m_state.Changed = true;
    }
    ColorSaveButton(m_state.Changed);
    cmdCancel->setText(QStringLiteral("&Exit"));
    update();
}

} // namespace markroll
