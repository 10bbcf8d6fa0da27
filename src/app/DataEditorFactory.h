#pragma once

#include "app/frmMenu.h"

namespace markroll {

/// Makes the data editor for the main window: "&UpDate Markroll File" and Open show it, and its "&Save"
/// runs the main window's Save As.
frmMenu::EditorFactory DataEditorFactory(frmMenu& menu);

} // namespace markroll
