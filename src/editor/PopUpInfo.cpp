#include "editor/PopUpInfo.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <algorithm>

#include "document/TextNumber.h"
#include "editor/FieldInfo.h"
#include "editor/FieldInfoEdit.h"
#include "platform/Platform.h"

namespace markroll {

namespace {

constexpr int TextXTw = 100;
constexpr int TextYTw = 100;

} // namespace

PopUpInfo::PopUpInfo(AppState& state, int cat, int fld, QWidget* parent) : QDialog(parent), m_state(state) {
    setObjectName(QStringLiteral("PopUpInfo"));
    const PopTarget target = InfoPopTarget(m_state.doc, cat, fld);
    m_popCat = target.cat;
    m_popFld = target.fld;
    setWindowTitle(QStringLiteral("FieldInfo for Field %1 (Catagory %2)")
                       .arg(QString::fromStdString(NumText(m_popFld)), QString::fromStdString(NumText(m_popCat))));

    m_cmdPopEdit = new QPushButton(QStringLiteral("&Edit"), this);
    m_cmdPopEdit->setObjectName(QStringLiteral("cmdPopEdit"));
    connect(m_cmdPopEdit, &QPushButton::clicked, this, &PopUpInfo::cmdPopEdit_Click);

    const QFontMetrics metrics(font());
    const int textWidth = metrics.horizontalAdvance(QString(InfoLen, QLatin1Char('M'))) * 3 / 4;
    const int width = TwipsToPxX(TextXTw) * 2 + textWidth;
    const int buttonTop = TwipsToPxY(TextYTw) + metrics.height() + 12;
    m_cmdPopEdit->setGeometry(TwipsToPxX(TextXTw), buttonTop, 90, m_cmdPopEdit->sizeHint().height());
    setFixedSize(width, buttonTop + m_cmdPopEdit->height() + 10);
    move(TwipsToPxX(400), TwipsToPxY(1500));
    ShowDescription();
}

void PopUpInfo::ShowDescription() {
    int cat = m_popCat;
    int fld = m_popFld;
    m_shown = FromBytes(GetFieldInfo(m_state.doc, cat, fld));
    update();
}

void PopUpInfo::cmdPopEdit_Click() {
    EditFieldInfo(this, m_state.doc, m_popCat, m_popFld);
    ShowDescription();
}

void PopUpInfo::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    QPainter painter(this);
    painter.setPen(Qt::black);
    painter.drawText(QPoint(TwipsToPxX(TextXTw), TwipsToPxY(TextYTw) + painter.fontMetrics().ascent()), m_shown);
}

void PopUpInfo::mousePressEvent(QMouseEvent* event) {
    event->accept();
    accept();
}

} // namespace markroll
