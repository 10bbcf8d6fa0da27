#include "widgets/ListCombo.h"

#include <QKeyEvent>
#include <QLineEdit>

#include "platform/Platform.h"

namespace markroll {

QValidator::State CodePageValidator::validate(QString& input, int& /*pos*/) const {
    for (QChar& ch : input) {
        // A pasted line break would end the text's line in the file; it becomes the blank the file would hold.
        if (ch == QLatin1Char('\n') || ch == QLatin1Char('\r'))
            ch = QLatin1Char(' ');
        else if (!Representable(ch))
            return Invalid;
    }
    return Acceptable;
}

ListCombo::ListCombo(QWidget* parent) : QComboBox(parent) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    setMaxVisibleItems(16);
    QLineEdit* edit = lineEdit();
    disconnect(edit, &QLineEdit::editingFinished, this, nullptr);
    disconnect(edit, &QLineEdit::returnPressed, this, nullptr);
    edit->setValidator(new CodePageValidator(edit));
    edit->installEventFilter(this);
}

bool ListCombo::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lineEdit() && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            emit enterPressed();
            // Consumed, so the dialog's default button does not fire as well.
            return true;
        }
    }
    return QComboBox::eventFilter(watched, event);
}

} // namespace markroll
