#pragma once

#include "document/Document.h"

class QWidget;

namespace markroll {

/// Asks for the description of field fld of cat in an input box and stores it. cat and fld are first brought
/// into range and written back. An empty answer or a cancel keeps the description; an answer the file cannot
/// store is refused with a message. True when the description was stored.
bool EditFieldInfo(QWidget* parent, Document& doc, int& cat, int& fld);

} // namespace markroll
