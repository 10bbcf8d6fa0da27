#pragma once

#include <QObject>
#include <QPointer>

class QAbstractButton;
class QWidget;

namespace markroll {

/// Two controls of one window whose captions share an access key ("A&pply" and "Al&phabetize"): the first
/// Alt+key presses the command button, as a teacher means it; pressed again at once, it moves on to the other
/// control (an option button is then chosen, as its own access key would; a second command button gets the
/// focus, and is pressed at once only while the first cannot be used). Without this the toolkit hands the key
/// to the two controls in turn, remembering the last one, so the first press could land on either.
class SharedAccessKey : public QObject {
    Q_OBJECT
public:
    SharedAccessKey(QWidget* window, QAbstractButton* command, QAbstractButton* other, int key);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> m_window;
    QPointer<QAbstractButton> m_command;
    QPointer<QAbstractButton> m_other;
    int m_key = 0;
    bool m_commandPressed = false;
};

} // namespace markroll
