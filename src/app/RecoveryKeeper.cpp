#include "app/RecoveryKeeper.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QWidget>
#include <chrono>

#include "document/MarkrollFile.h"
#include "document/Recovery.h"
#include "document/Session.h"
#include "platform/MessageBox.h"
#include "platform/Platform.h"

namespace markroll {

namespace {

constexpr int CopyIntervalMs = 60 * 1000;
const QString Title = QStringLiteral("Markroll Recovery");

} // namespace

RecoveryKeeper::RecoveryKeeper(AppState& state, QWidget* window)
    : QObject(window), m_state(state), m_window(window), m_folder(RecoveryFolder()),
      m_untitledId(std::to_string(QCoreApplication::applicationPid())) {
    connect(&m_timer, &QTimer::timeout, this, &RecoveryKeeper::Update);
    m_timer.start(CopyIntervalMs);
}

std::string RecoveryKeeper::CopyPath() const {
    return m_folder.empty() ? std::string() : RecoveryPath(m_folder, m_state.FileName, m_untitledId);
}

void RecoveryKeeper::Update() {
    const std::string path = CopyPath();
    if (!m_written.empty() && m_written != path) {
        // Saved under another name, or another document opened: the old copy has done its work.
        RemoveRecoveryCopy(m_written);
        m_written.clear();
    }
    if (path.empty() || !m_state.DocumentOpen())
        return;
    if (!HasUnsavedChanges(m_state)) {
        Discard();
        return;
    }
    if (const auto e = WriteRecoveryCopy(path, m_state.doc)) {
        ReportFailure(QStringLiteral("The recovery copy could not be written (%1): %2")
                          .arg(QString::fromStdString(e->Message()), QString::fromStdString(path)));
        return;
    }
    m_written = path;
    if (m_failureReported && m_status)
        m_status(QString());
    m_failureReported = false;
}

void RecoveryKeeper::Discard() {
    if (!m_written.empty())
        RemoveRecoveryCopy(m_written);
    m_written.clear();
    const std::string path = CopyPath();
    if (!path.empty() && m_state.DocumentOpen())
        RemoveRecoveryCopy(path);
}

void RecoveryKeeper::ReportFailure(const QString& text) {
    // Once until a copy is written again: the teacher is told, not interrupted over and over.
    if (m_failureReported)
        return;
    m_failureReported = true;
    if (m_status && m_status(text))
        return;
    MessageBox::Show(m_window, text, MsgButtons::Ok, MsgIcon::Exclamation, Title);
}

bool RecoveryKeeper::Ask(const std::string& copyPath, const std::string& filePath, std::int64_t writtenSeconds) {
    const QString when = QDateTime::fromSecsSinceEpoch(writtenSeconds).toString(QStringLiteral("yyyy-MM-dd hh:mm"));
    const QString what = filePath.empty() ? QStringLiteral("a new markroll that was never saved")
                                          : QString::fromLocal8Bit(filePath.c_str());
    const QString text =
        QStringLiteral("Unsaved changes to %1 were kept in a recovery copy at %2.\n\nRestore unsaved changes?")
            .arg(what, when);
    if (MessageBox::Show(m_window, text, MsgButtons::YesNo, MsgIcon::Question, Title) == MsgAnswer::Yes)
        return true;
    RemoveRecoveryCopy(copyPath);
    return false;
}

bool RecoveryKeeper::Restore(const std::string& copyPath, bool untitled) {
    Document doc;
    if (const auto e = LoadMarkroll(copyPath, doc)) {
        const std::string aside = SetRecoveryCopyAside(copyPath);
        MessageBox::Show(m_window,
                         QStringLiteral("The recovery copy cannot be read (%1).\nIt was kept as %2.")
                             .arg(QString::fromStdString(e->Message()), QString::fromLocal8Bit(aside.c_str())),
                         MsgButtons::Ok, MsgIcon::Exclamation, Title);
        return false;
    }
    m_state.doc = std::move(doc);
    m_state.Changed = true;
    if (untitled)
        DocumentCreated(m_state);
    else
        // Undoing this step gives the file as it is on disk.
        CommitStep(m_state, "Restore Unsaved Changes");
    // The restored work lives in this run's copy from now on.
    if (copyPath != CopyPath())
        RemoveRecoveryCopy(copyPath);
    Update();
    return true;
}

namespace {

std::int64_t Seconds(const RecoveryCopy& copy) {
    return std::chrono::duration_cast<std::chrono::seconds>(copy.Written.time_since_epoch()).count();
}

} // namespace

void RecoveryKeeper::OfferFor(const std::string& path) {
    if (m_folder.empty() || m_offering)
        return;
    for (const RecoveryCopy& copy : FindRecoveryCopies(m_folder, path))
        if (Ask(copy.Path, path, Seconds(copy)) && Restore(copy.Path, false))
            return;
}

bool RecoveryKeeper::OfferAtStart(const std::function<bool(const QString&)>& openFile) {
    if (m_folder.empty())
        return false;
    for (const RecoveryCopy& copy : FindRecoveryCopies(m_folder)) {
        if (!Ask(copy.Path, copy.FilePath, Seconds(copy)))
            continue;
        if (copy.FilePath.empty()) {
            // An unsaved new markroll comes back as one: untitled and unsaved.
            if (Restore(copy.Path, true))
                return true;
            continue;
        }
        // The file as it is on disk first, then the copy over it; a file that cannot be opened keeps its copy.
        m_offering = true;
        const bool opened = openFile(QString::fromLocal8Bit(copy.FilePath.c_str()));
        m_offering = false;
        if (opened && Restore(copy.Path, false))
            return true;
    }
    return false;
}

} // namespace markroll
