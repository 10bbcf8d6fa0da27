#include "modify/StudentSetup.h"

#include <algorithm>

#include "calc/Students.h"
#include "document/TextNumber.h"

namespace markroll {

namespace {

void CountLabels(StudentSetup& s, const char* verb) {
    s.Label0 = std::string("Number of Students\nto ") + verb;
}

} // namespace

StudentSetup SetUpOption(const Document& doc, int option, int edCat) {
    const int n = doc.NumStudents;
    StudentSetup s;
    s.Box0 = s.Box1 = s.Box1Enabled = s.IdName = true;
    switch (option) {
    case OptInsert:
    case OptAppend: {
        const bool insert = option == OptInsert;
        s.Caption = insert ? "Insert New Students" : "Append New Students";
        s.Limit = InsertLimit(doc);
        if (s.Limit)
            break;
        CountLabels(s, insert ? "Insert" : "Append");
        s.Label1 = insert ? "Insert Before" : "Append After";
        s.Range0 = SpinRange{1, MaxStudents - n, 1};
        s.Range1 = SpinRange{1, std::max(n, 1), std::max(n, 1)};
        s.Box1Enabled = insert;
        // The count starts at one, so the boxes offer the single new student's ID and name.
        s.IdNameEnabled = true;
        break;
    }
    case OptDelete:
        s.Caption = "Delete Existing Students";
        CountLabels(s, "Delete");
        s.Label1 = "Delete Starting With";
        // A markroll keeps at least one student.
        s.Shown = n;
        s.CanApply = n > 1;
        if (!s.CanApply)
            break;
        s.Range1 = SpinRange{1, n, n};
        s.Range0 = SpinRange{1, DeleteLimit(doc, n), 1};
        break;
    case OptSwitch:
        s.Caption = "Switch Students";
        s.Label0 = "Student#1";
        s.Label1 = "Student#2";
        s.CanApply = n > 0;
        if (!s.CanApply)
            break;
        s.Range0 = SpinRange{1, n, 1};
        s.Range1 = SpinRange{1, n, n};
        s.Shown = 1;
        break;
    case OptAdjust:
        s.Caption = "Enter Adjustment Points";
        s.Label0 = "Adjustment Points";
        s.Range0 = SpinRange{0, 999, 0};
        s.Box1 = s.IdName = false;
        break;
    case OptOrder: {
        s.Caption = "Order by Field Values";
        s.Label0 = "Order by Field";
        const int fields = edCat >= 0 && edCat < doc.NumCats ? doc.CatFields[static_cast<std::size_t>(edCat)] : 1;
        s.Range0 = SpinRange{0, std::max(fields - 1, 0), 0};
        s.Box1 = s.IdName = false;
        break;
    }
    default:
        s.Caption = option == OptGrade ? "Grade Assignments" : "Alphabetize Students";
        s.Box0 = s.Box1 = s.IdName = false;
        break;
    }
    return s;
}

std::pair<int, int> ApplyNumbers(const Document& doc, int option, int edCat, std::string_view box0,
                                 std::string_view box1) {
    const StudentSetup s = SetUpOption(doc, option, edCat);
    // Append always follows the last student, whatever its box holds.
    if (option == OptAppend && s.Range0)
        return {ReadBox(box0, *s.Range0), doc.NumStudents};
    if (option == OptDelete && s.Range1) {
        const int start = ReadBox(box1, *s.Range1);
        return {ReadBox(box0, {1, DeleteLimit(doc, start), 1}), start};
    }
    return {s.Range0 ? ReadBox(box0, *s.Range0) : 0, s.Range1 ? ReadBox(box1, *s.Range1) : 0};
}

std::pair<std::string, std::string> StudentIdName(const Document& doc, int s) {
    const std::string& row = doc.RowOrEmpty(s, 1);
    return {Left(row, IdLen), Mid(row, IdLen + 2, NameLen)};
}

std::string StuViewHeading(const Document& doc) {
    return "1. Name Category [" + NumTextTrim(doc.NumStudents) + " Students]";
}

std::string StuViewColumns() {
    return Left("      ID#      Student Name" + Space(10), NameDataWidth);
}

std::string StuViewLine(const Document& doc, int s) {
    const int width = doc.NumCats > 1 ? doc.FieldLen[1] : NameDataWidth;
    return Left(NumText(s) + ".   ", 4) + Left(doc.RowOrEmpty(s, 1) + Space(width), width);
}

std::pair<int, int> NextStudentPage(int last, int numStudents) {
    const int first = last + 1 > numStudents ? 1 : last + 1;
    return {first, std::min(first + StudentsPerView - 1, numStudents)};
}

} // namespace markroll
