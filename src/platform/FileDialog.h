#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

class QWidget;

namespace markroll {

struct FileDialogOptions {
    QString title;
    /// "Label|pattern" pairs, e.g. "MarkRoll Files   *.mrk|*.mrk".
    QString filter;
    QString initialDir;
    /// Appended (with a dot) when the chosen name has no extension; "" for none.
    QString defaultExt;
    QString presetName;
    bool mustExist = false;
    bool overwritePrompt = false;
};

struct FileDialogResult {
    enum class Status { Chosen, Cancelled, Failed };
    Status status = Status::Cancelled;
    QString path;
    /// What went wrong when status is Failed.
    QString error;
};

/// The main window's open and save dialogs. The file name box starts with the name last chosen or preset.
class FileDialog {
public:
    static FileDialogResult Open(QWidget* parent, const FileDialogOptions& options);
    static FileDialogResult Save(QWidget* parent, const FileDialogOptions& options);

    /// Test hook. A scripted Chosen path stands for the name the user typed: the default extension is
    /// appended to it as the dialog would, and it becomes the name the next dialog starts with.
    static void SetNextResult(const FileDialogResult& result);
    static const std::vector<FileDialogOptions>& Asked();
    static void ClearAsked();
    static int PendingAnswers();
    static void ClearAnswers();

    /// The name the next dialog's file name box starts with, unless that dialog has a preset.
    static QString StartName();
    /// The toolkit's name filters for "Label|pattern" pairs (patterns separated by ";");
    /// nullopt when a label has no pattern.
    static std::optional<QStringList> NameFilters(const QString& filter);
    /// path with "." and ext appended when its file name has no extension.
    static QString WithDefaultExt(const QString& path, const QString& ext);
};

} // namespace markroll
