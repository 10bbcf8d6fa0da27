#pragma once

#include <QString>

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

} // namespace markroll
