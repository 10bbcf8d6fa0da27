#include "document/Session.h"

#include "document/MarkrollFile.h"

namespace markroll {

void DocumentOpened(AppState& state, Document loaded, const std::string& path) {
    state.doc = std::move(loaded);
    state.FileName = path;
    state.Changed = false;
    state.SavedImage = SerializeMarkroll(state.doc);
    state.ResetEditorPosition();
}

std::optional<FileError> SaveDocument(AppState& state, const std::string& path) {
    std::string image = SerializeMarkroll(state.doc);
    if (auto error = WriteFileSafely(path, image))
        return error;
    state.FileName = path;
    state.Changed = false;
    state.SavedImage = std::move(image);
    return std::nullopt;
}

void DocumentCreated(AppState& state) {
    state.FileName = UntitledName;
    state.SavedImage.clear();
    state.ResetEditorPosition();
}

} // namespace markroll
