#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>
#include <string>

#include "document/Document.h"

class QWidget;

namespace markroll {

/// Keeps the recovery copy of the open document: written after every step (the main window calls Update) and at most a
/// minute after any other change while the document has unsaved modifications, removed once nothing is left unsaved or
/// the teacher leaves the program knowingly. It also offers the copies a crash left behind.
class RecoveryKeeper : public QObject {
    Q_OBJECT
public:
    /// Shows a message in the editor's status bar; false when no editor is open to show it.
    using StatusSink = std::function<bool(const QString&)>;

    RecoveryKeeper(AppState& state, QWidget* window);

    void SetStatusSink(StatusSink sink) { m_status = std::move(sink); }
    /// The folder of the copies (the user's state folder unless a test sets another).
    void SetFolder(const std::string& folder) { m_folder = folder; }

    /// Writes the copy now when there is anything unsaved, and removes it when there is not.
    void Update();
    /// The document was saved, or the teacher chose to leave without saving: no copy is kept.
    void Discard();
    /// Where the copy of the open document goes.
    std::string CopyPath() const;

    /// After path was opened: a copy of it newer than the file is offered; Yes makes the copy the open document
    /// as an unsaved change of the file (one step that can be undone), No deletes the copy.
    void OfferFor(const std::string& path);
    /// At start-up without a file: the copies of unsaved new markrolls and of files whose copy is newer are
    /// offered one after another; true when one was restored (with its file opened by openFile first).
    bool OfferAtStart(const std::function<bool(const QString&)>& openFile);

private:
    /// Asks whether to restore a copy; No deletes it.
    bool Ask(const std::string& copyPath, const std::string& filePath, std::int64_t writtenSeconds);
    /// Loads the copy into the open document, as an unsaved new markroll or a change of the file just opened.
    /// A copy that does not load is put aside and reported.
    bool Restore(const std::string& copyPath, bool untitled);
    void ReportFailure(const QString& text);

    AppState& m_state;
    QWidget* m_window;
    StatusSink m_status;
    std::string m_folder;
    std::string m_untitledId;
    /// Where the copy was last written, so that a copy left under an old name goes.
    std::string m_written;
    bool m_failureReported = false;
    /// Set while the start-up offer opens a file, whose copy it has offered already.
    bool m_offering = false;
    QTimer m_timer;
};

} // namespace markroll
