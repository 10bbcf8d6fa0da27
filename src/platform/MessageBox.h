#pragma once

#include <QString>
#include <vector>

class QWidget;

namespace markroll {

enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MsgIcon { None, Exclamation, Information, Critical, Question };
enum class MsgAnswer { Ok, Cancel, Yes, No };

/// What a message box was asked to show; recorded for tests.
struct MessageRequest {
    QString title;
    QString text;
    MsgButtons buttons = MsgButtons::Ok;
    MsgIcon icon = MsgIcon::None;
};

/// The program's message box. Texts may hold line breaks ("\n"); buttons carry access keys.
class MessageBox {
public:
    static MsgAnswer Show(QWidget* parent, const QString& text, MsgButtons buttons, MsgIcon icon, const QString& title);

    // Test hooks: scripted answers are used in order instead of showing a box; every request is recorded.
    static void SetNextAnswer(MsgAnswer answer);
    static const std::vector<MessageRequest>& Asked();
    static void ClearAsked();
    /// Scripted answers not used yet; a test that expected a box checks that this is 0.
    static int PendingAnswers();
    static void ClearAnswers();
};

} // namespace markroll
