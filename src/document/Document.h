#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "document/DisplaySettings.h"
#include "document/History.h"

namespace markroll {

// Application constants. They are fixed for the life of the program and never stored.
inline constexpr const char* AppName = "Markroll";
inline constexpr const char* AppVersion = "3.00";
inline constexpr const char* FileExt = "mrk";
inline constexpr int MaxCats = 10;
inline constexpr int MaxStudents = 100;
inline constexpr int MaxFields = 64;
inline constexpr int MaxGrades = 20;
inline constexpr int MaxInfo = 16;
inline constexpr int MaxNameLen = 16;
inline constexpr int InfoLen = 64;
inline constexpr int CellWidth = 4;
inline constexpr int IdLen = 11;
inline constexpr int NameLen = 30;
inline constexpr int NameDataWidth = IdLen + NameLen + 1;

static_assert(FullIdDispLen == IdLen && FullNameDispLen == NameLen, "the editor starts showing the full ID# and name");

inline constexpr int Int16Min = -32768;
inline constexpr int Int16Max = 32767;

/// The markroll document: exactly what the file holds, in the form it is edited, shown and stored.
///
/// Texts are 8-bit bytes (Windows-1252) and every character position is a byte position.
/// Rows of the category grid are addressed as CatData(r, c): row 0 is the class average,
/// rows 1..NumStudents the students, NumStudents+1 the possible points, NumStudents+2 the titles.
struct Document {
    std::int16_t NumStudents = 0;
    std::int16_t NumCats = 0;
    std::int16_t LastGrade = 0;
    std::int16_t LastInfo = 0;

    std::vector<std::string> CatName;
    std::vector<std::int16_t> CatWeight;
    std::vector<std::int16_t> CatFields;
    std::vector<std::int16_t> FieldLen;
    std::vector<std::string> FieldInfo;

    /// Grid[c][r]; use CatData(r, c) to read it in the order the rest of the program speaks of it.
    std::vector<std::vector<std::string>> Grid;

    std::vector<std::string> InfoLine;
    std::vector<std::int16_t> GradeMin;
    std::vector<std::string> GradeLetter;

    std::string& CatData(int r, int c) { return Grid[static_cast<std::size_t>(c)][static_cast<std::size_t>(r)]; }
    const std::string& CatData(int r, int c) const {
        return Grid[static_cast<std::size_t>(c)][static_cast<std::size_t>(r)];
    }

    /// CatData(r, c), or an empty text where a hand-edited file left the grid short: for reading only.
    const std::string& RowOrEmpty(int r, int c) const;

    /// Rows per category: class average, students, possible points, titles.
    int RowCount() const { return NumStudents + 3; }
    int PossibleRow() const { return NumStudents + 1; }
    int TitleRow() const { return NumStudents + 2; }

    /// True when c names a user category of this document.
    bool IsUserCat(int c) const { return c >= 2 && c < NumCats; }

    /// Sizes every array from the four counts, discarding the contents.
    void Resize();

    bool operator==(const Document&) const = default;
};

/// The program-wide state: the open document and the run-time values that are never stored.
struct AppState {
    Document doc;
    /// Full path of the document's file; "" when none is open, "Untitled" for a new unsaved one.
    std::string FileName;
    /// Set by the field, student and grade dialogs, by creating a document and by the editor's Info command
    /// when the information dialog applied a change; cleared by a save and by the editor's Cat command. It
    /// only helps colour the save buttons; whether there is anything to save is HasUnsavedChanges.
    bool Changed = false;
    std::int16_t EdCat = 0;
    std::int16_t EdGroup = 1;
    std::int16_t EdPage = 1;
    /// How the data editor shows the page: colours, font, ID# and name widths.
    DisplaySettings Display = DefaultDisplaySettings();
    /// The file image of the document when it was last loaded, created or saved; the document has unsaved
    /// modifications exactly when its image differs from this (Changed keeps its narrower meaning).
    std::string SavedImage;
    /// The changes of this document that can be undone and redone, since it was opened or created.
    UndoHistory History;
    /// The file image of the document as the last step (or opening, creating, undoing) left it: where the
    /// next step starts from.
    std::string StepImage;
    /// Told after each step, undo and redo (the program keeps its recovery copy from here).
    std::function<void()> StepCommitted;

    bool DocumentOpen() const { return !FileName.empty(); }
    /// The editor starts over on SUMMARY, first group, first page.
    void ResetEditorPosition() {
        EdCat = 0;
        EdGroup = 1;
        EdPage = 1;
    }
};

} // namespace markroll
