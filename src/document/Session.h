#pragma once

#include <optional>
#include <string>

#include "document/Document.h"
#include "document/FileError.h"

namespace markroll {

/// The name a created document has until it is saved.
inline constexpr const char* UntitledName = "Untitled";

/// A document read whole from path replaces the open one: its name, its saved image, Changed and the editor
/// position go with it. (Reading into a document of its own first means a file that fails changes nothing.)
void DocumentOpened(AppState& state, Document loaded, const std::string& path);

/// Saves the open document to path. On success path becomes its name and nothing is left unsaved; on
/// failure nothing changes, so there is no doubt about where the document really is.
std::optional<FileError> SaveDocument(AppState& state, const std::string& path);

/// The document in state was just built from a plan: "Untitled", on no disk yet (so it counts as unsaved),
/// the editor at its start.
void DocumentCreated(AppState& state);

} // namespace markroll
