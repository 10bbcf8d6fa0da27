#include "editor/PopUpChg.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

#include "calc/Structure.h"
#include "document/Session.h"
#include "document/TextNumber.h"
#include "editor/FieldInfo.h"
#include "platform/MessageBox.h"
#include "platform/Platform.h"

namespace markroll {

namespace {

const QString SetTitle = QStringLiteral("Set Field Values");

} // namespace

PopUpChg::PopUpChg(AppState& state, int cat, int fld, QWidget* parent) : QDialog(parent), m_state(state) {
    setObjectName(QStringLiteral("PopUpChg"));
    setWindowTitle(SetTitle);
    const PopTarget target = SetValuesPopTarget(m_state.doc, cat, fld);
    m_popCat = target.cat;
    m_popFld = target.fld;
    m_lastFld = target.lastFld;

    auto* labVal = new QLabel(QStringLiteral("Set Field Characters"), this);
    labVal->setObjectName(QStringLiteral("labVal"));
    m_txtVal = new QLineEdit(this);
    m_txtVal->setObjectName(QStringLiteral("txtVal"));
    labVal->setBuddy(m_txtVal);
    auto* labC = new QLabel(QStringLiteral("Catagory= %1").arg(QString::fromStdString(NumText(m_popCat))), this);
    labC->setObjectName(QStringLiteral("labC"));
    auto* labF = new QLabel(QStringLiteral("Field= %1").arg(QString::fromStdString(NumText(m_popFld))), this);
    labF->setObjectName(QStringLiteral("labF"));
    auto* cmdSet = new QPushButton(QStringLiteral("&Set"), this);
    cmdSet->setObjectName(QStringLiteral("cmdSet"));
    cmdSet->setDefault(true);
    // A category left without cells by a hand-edited file has no field to set.
    cmdSet->setEnabled(m_lastFld >= 0);
    connect(cmdSet, &QPushButton::clicked, this, &PopUpChg::cmdSet_Click);

    auto* grid = new QGridLayout(this);
    grid->addWidget(labC, 0, 0);
    grid->addWidget(labF, 0, 1);
    grid->addWidget(labVal, 1, 0);
    grid->addWidget(m_txtVal, 1, 1);
    grid->addWidget(cmdSet, 2, 1, Qt::AlignRight);
    move(TwipsToPxX(400), TwipsToPxY(1500));
}

void PopUpChg::cmdSet_Click() {
    if (m_lastFld < 0)
        return;
    bool ok = true;
    const std::string typed = ToBytes(m_txtVal->text(), &ok);
    if (!ok) {
        MessageBox::Show(this,
                         QStringLiteral("The text holds characters that a markroll file cannot store.\n"
                                        "No field was changed."),
                         MsgButtons::Ok, MsgIcon::Exclamation, SetTitle);
        return;
    }
    if (MessageBox::Show(this, QStringLiteral("Set Field Values to '%1'").arg(FromBytes(FieldValueCell(typed))),
                         MsgButtons::OkCancel, MsgIcon::None, SetTitle) != MsgAnswer::Ok)
        return;
    SetFieldValues(m_state.doc, m_popCat, m_popFld, typed);
    CommitStep(m_state, "Set Field Values");
}

} // namespace markroll
