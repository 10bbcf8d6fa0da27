#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "document/Document.h"
#include "document/FileError.h"

namespace markroll {

// Recovery copies: while a document has unsaved modifications the program keeps a copy of it in the user's
// state folder, so a crash, a kill or a power cut does not take the work with it. A copy is named after the
// full path of its markroll file, so that the file and its copy find each other; an unsaved new markroll has
// a copy named after the process that made it.

/// The folder of the copies: $XDG_STATE_HOME/markroll/recovery, else ~/.local/state/markroll/recovery; empty
/// when neither variable is set.
std::string RecoveryFolder();

/// The copy of the markroll file at filePath (made absolute), or of an unsaved new markroll (filePath empty
/// or "Untitled"), which untitledId tells apart from those of other runs of the program.
std::string RecoveryPath(const std::string& folder, const std::string& filePath, const std::string& untitledId);

/// A copy found in the folder.
struct RecoveryCopy {
    /// Where the copy is.
    std::string Path;
    /// The markroll file it belongs to; empty for an unsaved new markroll.
    std::string FilePath;
    /// When the copy was written.
    std::chrono::system_clock::time_point Written;
};

/// The copies in folder that are worth offering: of an unsaved markroll, or newer than their file (or of a
/// file that is gone). A copy of filePath alone when filePath is given.
std::vector<RecoveryCopy> FindRecoveryCopies(const std::string& folder, const std::string& filePath = {});

/// Writes the copy with a safe save (no backup of an older copy), making the folder (private to the user) if
/// need be.
std::optional<FileError> WriteRecoveryCopy(const std::string& path, const Document& doc);

/// Removes a copy that is no longer needed; no complaint when there is none.
void RemoveRecoveryCopy(const std::string& path);

/// A copy that does not load is renamed aside (".damaged" added), never deleted; returns the new name.
std::string SetRecoveryCopyAside(const std::string& path);

} // namespace markroll
