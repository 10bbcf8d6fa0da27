#include "document/Session.h"

#include "document/MarkrollFile.h"

namespace markroll {

void DocumentOpened(AppState& state, Document loaded, const std::string& path) {
    state.doc = std::move(loaded);
    state.FileName = path;
    state.Changed = false;
    state.SavedImage = SerializeMarkroll(state.doc);
    state.StepImage = state.SavedImage;
    state.History.Clear();
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
    state.StepImage = SerializeMarkroll(state.doc);
    state.History.Clear();
    state.ResetEditorPosition();
}

std::string DocumentImage(const AppState& state) {
    return SerializeMarkroll(state.doc);
}

void CommitStep(AppState& state, std::string label) {
    std::string after = SerializeMarkroll(state.doc);
    if (after == state.StepImage)
        return;
    state.History.Record(std::move(label), std::move(state.StepImage), after);
    state.StepImage = std::move(after);
    if (state.StepCommitted)
        state.StepCommitted();
}

void AmendStep(AppState& state) {
    state.StepImage = SerializeMarkroll(state.doc);
    if (state.StepCommitted)
        state.StepCommitted();
}

namespace {

bool Restore(AppState& state, std::optional<std::string> image) {
    if (!image)
        return false;
    Document doc;
    // Every image was written from a document, so it reads back; should it not, the document stays as it is.
    if (ParseMarkroll(*image, doc))
        return false;
    state.doc = std::move(doc);
    state.StepImage = std::move(*image);
    state.Changed = true;
    if (state.EdCat >= state.doc.NumCats) {
        state.EdCat = static_cast<std::int16_t>(state.doc.NumCats - 1);
        state.EdGroup = 1;
        state.EdPage = 1;
    }
    if (state.StepCommitted)
        state.StepCommitted();
    return true;
}

} // namespace

bool UndoStep(AppState& state) {
    CommitStep(state, "Changes");
    return Restore(state, state.History.Undo(SerializeMarkroll(state.doc)));
}

bool RedoStep(AppState& state) {
    // A change since the last undo would be lost by a redo; it stands, and there is nothing left to redo.
    CommitStep(state, "Changes");
    return Restore(state, state.History.Redo(SerializeMarkroll(state.doc)));
}

} // namespace markroll
