#include "platform/InputBox.h"

#include "platform/Platform.h"
#include "platform/TestMode.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <deque>

namespace markroll {

namespace {

std::deque<QString>& Script() {
    static std::deque<QString> answers;
    return answers;
}

std::vector<InputRequest>& Requests() {
    static std::vector<InputRequest> requests;
    return requests;
}

} // namespace

QString InputBox::Show(QWidget* parent, const QString& prompt, const QString& title, const QString& defaultText,
                       std::optional<QPoint> posTwips) {
    Requests().push_back({prompt, title, defaultText, posTwips});
    if (!Script().empty()) {
        QString answer = Script().front();
        Script().pop_front();
        return answer;
    }
    if (InTestMode()) {
        WarnUnscripted("input box", title);
        return {};
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
    Script().push_back(text);
}

const std::vector<InputRequest>& InputBox::Asked() {
    return Requests();
}

void InputBox::ClearAsked() {
    Requests().clear();
}

int InputBox::PendingAnswers() {
    return static_cast<int>(Script().size());
}

void InputBox::ClearAnswers() {
    Script().clear();
}

} // namespace markroll
