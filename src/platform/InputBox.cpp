#include "platform/InputBox.h"

#include "platform/Platform.h"
#include "platform/TestHook.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace markroll {

namespace {

constinit TestHook<QString, InputRequest> hook;

} // namespace

QString InputBox::Show(QWidget* parent, const QString& prompt, const QString& title, const QString& defaultText,
                       std::optional<QPoint> posTwips) {
    hook.Record({prompt, title, defaultText, posTwips});
    if (std::optional<QString> answer = hook.Answered("input box", title, {})) {
        return *answer;
    }

    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("InputBox"));
    dialog.setWindowTitle(title.isEmpty() ? QApplication::applicationDisplayName() : title);

    auto* label = new QLabel(prompt, &dialog);
    label->setObjectName(QStringLiteral("lblPrompt"));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    auto* edit = new QLineEdit(defaultText, &dialog);
    edit->setObjectName(QStringLiteral("txtInput"));
    edit->selectAll();
    label->setBuddy(edit);

    auto* buttons = new QDialogButtonBox(&dialog);
    QPushButton* ok = buttons->addButton(QStringLiteral("&OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    buttons->addButton(QStringLiteral("&Cancel"), QDialogButtonBox::RejectRole)
        ->setObjectName(QStringLiteral("cmdCancel"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);

    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(label);
    layout->addWidget(edit);
    layout->addWidget(buttons);

    if (posTwips) {
        dialog.move(TwipsToPxX(posTwips->x()), TwipsToPxY(posTwips->y()));
    }
    if (dialog.exec() != QDialog::Accepted) {
        return {};
    }
    return edit->text();
}

void InputBox::SetNextAnswer(const QString& text) {
    hook.Script(text);
}

const std::vector<InputRequest>& InputBox::Asked() {
    return hook.Requests();
}

void InputBox::ClearAsked() {
    hook.ClearRequests();
}

int InputBox::PendingAnswers() {
    return hook.PendingAnswers();
}

void InputBox::ClearAnswers() {
    hook.ClearAnswers();
}

} // namespace markroll
