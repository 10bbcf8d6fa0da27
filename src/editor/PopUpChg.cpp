#include "editor/PopUpChg.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

#include "document/TextNumber.h"
#include "platform/MessageBox.h"
#include "platform/Platform.h"

namespace markroll {

namespace {

int ReadNumber(const QString& text) { return ReadInt16(ToBytes(text)); }

const QString SetTitle = QStringLiteral("Set Field Values");

} // namespace

PopUpChg::PopUpChg(AppState& state, const QString& catText, const QString& fldText, QWidget* parent)
    : QDialog(parent), m_state(state) {
    setObjectName(QStringLiteral("PopUpChg"));
    setWindowTitle(SetTitle);
    const Document& doc = m_state.doc;
    // Only SUMMARY and the user categories hold fields of this kind; NAME DATA counts as SUMMARY.
    m_popCat = ReadNumber(catText);
    if (m_popCat < 2)
        m_popCat = 0;
    if (m_popCat > doc.NumCats - 1)
        m_popCat = std::max(0, doc.NumCats - 1);
    m_lastFld = static_cast<std::size_t>(m_popCat) < doc.CatFields.size()
                    ? doc.CatFields[static_cast<std::size_t>(m_popCat)] - 1
                    : -1;
    m_popFld = std::clamp(ReadNumber(fldText), 0, std::max(0, m_lastFld));

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
    std::string value = Left(typed, CellWidth);
    value.resize(CellWidth, ' ');
    if (MessageBox::Show(this, QStringLiteral("Set Field Values to '%1'").arg(FromBytes(value)), MsgButtons::OkCancel,
                         MsgIcon::None, SetTitle) != MsgAnswer::Ok)
        return;
    Document& doc = m_state.doc;
    if (static_cast<std::size_t>(m_popCat) >= doc.Grid.size())
        return;
    // The possible points of SUMMARY are computed from the categories, not set by hand.
    const int lastRow = m_popCat == 0 ? doc.NumStudents : doc.PossibleRow();
    for (int r = 0; r <= lastRow && r < static_cast<int>(doc.Grid[static_cast<std::size_t>(m_popCat)].size()); ++r)
        ReplaceAt(doc.CatData(r, m_popCat), m_popFld * CellWidth + 1, value);
}

} // namespace markroll
