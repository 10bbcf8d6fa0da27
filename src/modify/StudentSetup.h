#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "document/Document.h"
#include "modify/SpinRange.h"

namespace markroll {

// The rules of the student dialog and the students viewer that go beyond the student operations themselves:
// what each option sets up, and how the numbers typed into the boxes are read.

/// The options of the student dialog, in the order of its option buttons.
enum StudentOption : int { OptInsert, OptAppend, OptDelete, OptSwitch, OptAlpha, OptAdjust, OptGrade, OptOrder };
inline constexpr int NumStudentOptions = 8;

/// What selecting an option sets up.
struct StudentSetup {
    std::string Caption;
    std::string Label0;
    std::string Label1;
    bool Box0 = false;
    bool Box1 = false;
    bool Box1Enabled = false;
    bool IdName = false;
    bool IdNameEnabled = false;
    /// Absent where the option offers no range.
    std::optional<SpinRange> Range0;
    std::optional<SpinRange> Range1;
    /// The student shown in the ID and name boxes; 0 for the new student's ID and name.
    int Shown = 0;
    /// False where there is nothing to apply it to (deleting the only student, switching in an empty class).
    bool CanApply = true;
    /// The maximum message, shown instead of the set-up.
    std::optional<std::string> Limit;
};

/// The set-up of option for the document as it is now; edCat is the category the editor shows.
StudentSetup SetUpOption(const Document& doc, int option, int edCat);

/// The two numbers Apply uses, each read from its box and kept in the option's range for the document as it
/// is now (Delete's count in the limit for the start kept so). Unused numbers are 0.
std::pair<int, int> ApplyNumbers(const Document& doc, int option, int edCat, std::string_view box0,
                                 std::string_view box1);

/// The ID# and the name of student s, as the ID and name boxes show them.
std::pair<std::string, std::string> StudentIdName(const Document& doc, int s);

// The students viewer: 25 students a page.
inline constexpr int StudentsPerView = 25;
/// The heading: "1. Name Category [40 Students]".
std::string StuViewHeading(const Document& doc);
/// The column titles, cut to the width of a line.
std::string StuViewColumns();
/// The line of student s: its number, a dot, and its NAME DATA row.
std::string StuViewLine(const Document& doc, int s);
/// The page after the one ending with last, back to the first after the last page.
std::pair<int, int> NextStudentPage(int last, int numStudents);

} // namespace markroll
