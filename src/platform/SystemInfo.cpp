#include "platform/Platform.h"

#include "platform/TestMode.h"

#include <QProcess>
#include <QStandardPaths>
#include <deque>

namespace markroll {

namespace {

std::deque<bool>& Script() {
    static std::deque<bool> results;
    return results;
}

// System-information and system-monitor programs of the common desktops, the most informative first.
const QStringList Programs = {
    QStringLiteral("hardinfo"),
    QStringLiteral("hardinfo2"),
    QStringLiteral("kinfocenter"),
    QStringLiteral("gnome-system-monitor"),
    QStringLiteral("plasma-systemmonitor"),
    QStringLiteral("ksysguard"),
    QStringLiteral("mate-system-monitor"),
    QStringLiteral("xfce4-taskmanager"),
    QStringLiteral("lxtask"),
};

} // namespace

bool SystemInfo::Launch() {
    if (!Script().empty()) {
        const bool found = Script().front();
        Script().pop_front();
        return found;
    }
    if (InTestMode()) {
        WarnUnscripted("system information", QStringLiteral("System Info"));
        return false;
    }
    for (const QString& program : Programs) {
        const QString path = QStandardPaths::findExecutable(program);
        if (!path.isEmpty() && QProcess::startDetached(path, {})) {
            return true;
        }
    }
    return false;
}

void SystemInfo::SetNextResult(bool found) {
    Script().push_back(found);
}

} // namespace markroll
