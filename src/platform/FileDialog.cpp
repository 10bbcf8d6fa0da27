#include "platform/FileDialog.h"

#include "platform/TestHook.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace markroll {

namespace {

constinit TestHook<FileDialogResult, FileDialogOptions> hook;

// Both dialogs share one file name box, so each starts with what the other last held.
QString& LastName() {
    static QString name;
    return name;
}

FileDialogResult Failure(const QString& error) {
    return {FileDialogResult::Status::Failed, {}, error};
}

FileDialogResult Run(QWidget* parent, const FileDialogOptions& options, bool save) {
    hook.Record(options);
    if (!options.presetName.isEmpty()) {
        LastName() = options.presetName;
    }
    if (std::optional<FileDialogResult> result = hook.Answered("file dialog", options.title, {})) {
        if (result->status == FileDialogResult::Status::Chosen) {
            result->path = FileDialog::WithDefaultExt(result->path, options.defaultExt);
            LastName() = result->path;
        }
        return *result;
    }

    const std::optional<QStringList> filters = FileDialog::NameFilters(options.filter);
    if (!filters) {
        return Failure(QStringLiteral("The list of file types \"%1\" is not valid.").arg(options.filter));
    }

    QFileDialog dialog(parent, options.title);
    dialog.setObjectName(QStringLiteral("FileDialog"));
    // The toolkit's own dialog behaves the same on every desktop, and tests can drive it.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !(save && options.overwritePrompt));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(options.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    // A folder that is gone is no reason to refuse the dialog: the user can still browse.
    dialog.setDirectory(QFileInfo(options.initialDir).isDir() ? options.initialDir : QDir::currentPath());
    if (!filters->isEmpty()) {
        dialog.setNameFilters(*filters);
    }
    // Given to the dialog too, so the overwrite prompt asks about the name that will really be written.
    dialog.setDefaultSuffix(options.defaultExt);
    if (!LastName().isEmpty()) {
        const QFileInfo last(LastName());
        dialog.selectFile(last.isAbsolute() && !last.absoluteDir().exists() ? last.fileName() : LastName());
    }

    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    const QString path = FileDialog::WithDefaultExt(dialog.selectedFiles().constFirst(), options.defaultExt);
    LastName() = path;
    return {FileDialogResult::Status::Chosen, path, {}};
}

} // namespace

FileDialogResult FileDialog::Open(QWidget* parent, const FileDialogOptions& options) {
    return Run(parent, options, false);
}

FileDialogResult FileDialog::Save(QWidget* parent, const FileDialogOptions& options) {
    return Run(parent, options, true);
}

void FileDialog::SetNextResult(const FileDialogResult& result) {
    hook.Script(result);
}

const std::vector<FileDialogOptions>& FileDialog::Asked() {
    return hook.Requests();
}

void FileDialog::ClearAsked() {
    hook.ClearRequests();
}

int FileDialog::PendingAnswers() {
    return hook.PendingAnswers();
}

void FileDialog::ClearAnswers() {
    hook.ClearAnswers();
}

QString FileDialog::StartName() {
    return LastName();
}

std::optional<QStringList> FileDialog::NameFilters(const QString& filter) {
    QStringList result;
    if (filter.trimmed().isEmpty()) {
        return result;
    }
    const QStringList parts = filter.split(QLatin1Char('|'));
    if (parts.size() % 2 != 0) {
        return std::nullopt;
    }
    for (qsizetype i = 0; i < parts.size(); i += 2) {
        QStringList patterns;
        for (const QString& pattern : parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            const QString trimmed = pattern.trimmed();
            // "*.*" means every file, also those without an extension.
            patterns << (trimmed == QLatin1String("*.*") ? QStringLiteral("*") : trimmed);
        }
        patterns.removeAll(QString());
        if (patterns.isEmpty()) {
            return std::nullopt;
        }
        result << QStringLiteral("%1 (%2)").arg(parts[i].trimmed(), patterns.join(QLatin1Char(' ')));
    }
    return result;
}

QString FileDialog::WithDefaultExt(const QString& path, const QString& ext) {
    const QString bare = ext.startsWith(QLatin1Char('.')) ? ext.mid(1) : ext;
    const QString name = QFileInfo(path).fileName();
    if (bare.isEmpty() || name.isEmpty() || name.contains(QLatin1Char('.'))) {
        return path;
    }
    return path + QLatin1Char('.') + bare;
}

} // namespace markroll
