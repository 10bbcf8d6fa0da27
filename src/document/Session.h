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

/// The document as the file would hold it.
std::string DocumentImage(const AppState& state);

/// What changed since the last step becomes one step that can be undone, named by label ("Delete Category
/// 3"). Each change the user commits (a confirmed operation, an editing session) ends with this. Nothing is
/// recorded when the document is as it was.
void CommitStep(AppState& state, std::string label);

/// Work that completes the last step (the totals computed again once a dialog closes) becomes part of it.
void AmendStep(AppState& state);

/// Puts the document back as it was before the last step (UndoStep) or as the last undone step left it
/// (RedoStep), and counts it as a change; the editor stays on a category that exists. A change not yet
/// committed becomes a step of its own first, so that it can be redone. False when there is nothing to undo
/// or redo.
bool UndoStep(AppState& state);
bool RedoStep(AppState& state);

} // namespace markroll
