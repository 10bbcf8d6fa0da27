#include "app/DataEditorFactory.h"

#include "editor/EditData.h"

namespace markroll {

frmMenu::EditorFactory DataEditorFactory(frmMenu& menu) {
    return [&menu](AppState& state, QWidget* parent) -> QWidget* {
        auto* editor = new EditData(state, parent);
        editor->SetSaveAsHandler([&menu] { menu.SaveAs(); });
        editor->SetUndoHandlers([&menu] { menu.Undo(); }, [&menu] { menu.Redo(); });
        return editor;
    };
}

} // namespace markroll
