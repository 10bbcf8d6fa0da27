#pragma once

#include <QString>
#include <string>

namespace markroll {

// The version numbers the about box shows; the file format and captions carry AppVersion ("3.00").
inline constexpr int VersionMajor = 3;
inline constexpr int VersionMinor = 0;
inline constexpr int VersionRevision = 1;

/// The main window caption at start-up, after Open and after New: "Markroll v3.00   " and the file.
QString MainCaption(const QString& fileName);

/// The main window caption after Save As, which spells the product "MarkRoll".
QString SavedAsCaption(const QString& fileName);

/// The question asked before a document with unsaved modifications is replaced.
QString SaveChangesQuestion(const QString& fileName);

/// The confirmation of the create-document dialog: "Create New Markroll With:", then the counts.
std::string CreateConfirmation(int cats, int students);

/// The about box's version line, each number with its leading blank: "Version 3. 0. 1".
std::string AboutVersionText();

} // namespace markroll
