#include "platform/MessageBox.h"

#include "platform/TestHook.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace markroll {

namespace {

constinit TestHook<MsgAnswer, MessageRequest> hook;

// The answer of Escape or of closing the box: the most cautious button it has.
MsgAnswer CancelAnswer(MsgButtons buttons) {
    switch (buttons) {
    case MsgButtons::Ok:
        return MsgAnswer::Ok;
    case MsgButtons::YesNo:
        return MsgAnswer::No;
    case MsgButtons::OkCancel:
    case MsgButtons::YesNoCancel:
        break;
    }
    return MsgAnswer::Cancel;
}

QMessageBox::Icon QtIcon(MsgIcon icon) {
    switch (icon) {
    case MsgIcon::None:
        break;
    case MsgIcon::Exclamation:
        return QMessageBox::Warning;
    case MsgIcon::Information:
        return QMessageBox::Information;
    case MsgIcon::Critical:
        return QMessageBox::Critical;
    case MsgIcon::Question:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

std::vector<std::pair<MsgAnswer, QString>> ButtonList(MsgButtons buttons) {
    switch (buttons) {
    case MsgButtons::Ok:
        break;
    case MsgButtons::OkCancel:
        return {{MsgAnswer::Ok, QStringLiteral("&OK")}, {MsgAnswer::Cancel, QStringLiteral("&Cancel")}};
    case MsgButtons::YesNo:
        return {{MsgAnswer::Yes, QStringLiteral("&Yes")}, {MsgAnswer::No, QStringLiteral("&No")}};
    case MsgButtons::YesNoCancel:
        return {{MsgAnswer::Yes, QStringLiteral("&Yes")},
                {MsgAnswer::No, QStringLiteral("&No")},
                {MsgAnswer::Cancel, QStringLiteral("&Cancel")}};
    }
    return {{MsgAnswer::Ok, QStringLiteral("&OK")}};
}

QMessageBox::ButtonRole Role(MsgAnswer answer) {
    switch (answer) {
    case MsgAnswer::Ok:
        return QMessageBox::AcceptRole;
    case MsgAnswer::Yes:
        return QMessageBox::YesRole;
    case MsgAnswer::No:
        return QMessageBox::NoRole;
    case MsgAnswer::Cancel:
        break;
    }
    return QMessageBox::RejectRole;
}

} // namespace

MsgAnswer MessageBox::Show(QWidget* parent, const QString& text, MsgButtons buttons, MsgIcon icon,
                           const QString& title) {
    hook.Record({title, text, buttons, icon});
    if (const std::optional<MsgAnswer> answer = hook.Answered("message box", title, CancelAnswer(buttons))) {
        return *answer;
    }

    QMessageBox box(parent);
    box.setObjectName(QStringLiteral("MessageBox"));
    box.setWindowTitle(title.isEmpty() ? QApplication::applicationDisplayName() : title);
    // The texts are the program's own words, never markup.
    box.setTextFormat(Qt::PlainText);
    box.setText(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    box.setIcon(QtIcon(icon));

    const MsgAnswer cancel = CancelAnswer(buttons);
    std::vector<std::pair<QPushButton*, MsgAnswer>> pushButtons;
    for (const auto& [answer, caption] : ButtonList(buttons)) {
        QPushButton* button = box.addButton(caption, Role(answer));
        pushButtons.emplace_back(button, answer);
        if (answer == cancel) {
            box.setEscapeButton(button);
        }
    }
    // The first button is the default, so Enter confirms what the text asks.
    box.setDefaultButton(pushButtons.front().first);
    box.exec();

    for (const auto& [button, answer] : pushButtons) {
        if (box.clickedButton() == button) {
            return answer;
        }
    }
    return cancel;
}

void MessageBox::SetNextAnswer(MsgAnswer answer) {
    hook.Script(answer);
}

const std::vector<MessageRequest>& MessageBox::Asked() {
    return hook.Requests();
}

void MessageBox::ClearAsked() {
    hook.ClearRequests();
}

int MessageBox::PendingAnswers() {
    return hook.PendingAnswers();
}

void MessageBox::ClearAnswers() {
    hook.ClearAnswers();
}

} // namespace markroll
