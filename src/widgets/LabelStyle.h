#pragma once

#include <QString>

#include "document/DisplaySettings.h"

namespace markroll {

/// The style sheet of a label drawn in a box colour with a text colour: the editor's header labels and the
/// colour bars of its display dialog.
QString LabelStyle(Rgb back, Rgb text);

} // namespace markroll
