#pragma once

#include <QString>

#include <functional>
#include <initializer_list>

class QDialog;
class QLayout;
class QMargins;
class QPushButton;
class QWidget;

namespace markroll {

// What the field and student dialogs share: the category's caption on a light-green band at their top, and a
// save button coloured by whether there is anything to save.

/// The margins that leave room for the header band above a dialog's controls.
QMargins HeaderBandMargins();

/// Draws text on its light-green box, centred across dialog, in the dialog's paint event.
void DrawHeaderBand(QWidget* dialog, const QString& text);

/// The save button: light green when nothing has changed, red when something has.
void ColorSaveButton(QPushButton* button, bool changed);

/// The save button runs saveAs (the main window's Save As, when there is one) and then shows by its colour
/// whether anything is still unsaved.
void ConnectSaveButton(QPushButton* button, const std::function<void()>& saveAs, const bool& changed);

/// The dialog's controls under the header band: the options beside their boxes, the command buttons below.
void ArrangeDialog(QDialog* dialog, QLayout* options, QLayout* boxes, std::initializer_list<QPushButton*> buttons);

/// Sizes the dialog to its controls and centres it on the screen.
void CentreOnScreen(QDialog* dialog);

} // namespace markroll
