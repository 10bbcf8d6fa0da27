#include "reports/PrintSetup.h"

#include <cmath>

#include "calc/CatCaption.h"
#include "document/TextNumber.h"

namespace markroll {

namespace {

// A width or colour box: its leading number, made positive where asked, rounded and kept in range.
int ReadBox(std::string_view text, bool positive, int high) {
    double value = TextValue(text);
    if (positive)
        value = std::fabs(value);
    return ClampInt(RoundHalfEven(value), 0, high);
}

} // namespace

std::string DefaultPrintList(int numCats, bool allCategories) {
    std::string list;
    for (int c = 0; c < numCats; ++c) {
        if (c == 1 && !allCategories)
            continue;
        if (!list.empty())
            list += ",";
        list += NumText(c);
    }
    return list;
}

std::vector<int> ReadPrintList(std::string_view text, int numCats) {
    std::vector<int> cats;
    if (text.empty())
        return cats;
    std::size_t start = 0;
    while (start <= text.size() && static_cast<int>(cats.size()) < PrintListCapacity) {
        const std::size_t comma = text.find(',', start);
        const std::string_view item =
            text.substr(start, comma == std::string_view::npos ? std::string_view::npos : comma - start);
        // Only the empty item after a final comma is dropped; an empty one between two commas is SUMMARY.
        if (comma == std::string_view::npos && item.empty() && start > 0)
            break;
        const int cat = ClampToInt16(RoundHalfEven(std::fabs(TextValue(item))));
        if (cat != 1 && cat <= numCats - 1)
            cats.push_back(cat);
        if (comma == std::string_view::npos)
            break;
        start = comma + 1;
    }
    return cats;
}

std::string PrintConfirmText(const std::vector<int>& cats, int kind) {
    std::string text = "Print " + NumText(static_cast<double>(cats.size())) + " " +
                       (kind == PrintWorksheets ? "Catagory Worksheets" : "Catagories of Markroll") + "(";
    for (int cat : cats)
        text += NumText(cat) + ",";
    return text + ")";
}

SheetSettings ReadSheetSettings(int kind, bool landscape, std::string_view idWidth, std::string_view nameWidth,
                                std::string_view backColor, std::string_view foreColor, bool prompting) {
    SheetSettings s;
    s.Kind = kind == PrintWorksheets ? PrintWorksheets : PrintMarkroll;
    s.Orientation = landscape ? 2 : 1;
    s.IdWidth = ReadBox(idWidth, true, IdLen);
    s.NameWidth = ReadBox(nameWidth, true, NameLen);
    s.BackColor = ReadBox(backColor, false, 15);
    s.ForeColor = ReadBox(foreColor, false, 15);
    s.Prompting = prompting;
    return s;
}

PrintPrompt MarkrollPrompt(int cat) {
    return {"Print Markroll for Catagory " + NumText(cat), "Print Grade Report"};
}

PrintPrompt SheetCountPrompt(const Document& doc, int cat, int fieldsPerPage, int pages, int studentsPerPage,
                             int groups) {
    const auto c = static_cast<std::size_t>(cat);
    const std::string caption =
        c < doc.CatName.size() ? CatCaption(cat, doc.CatName[c], doc.CatWeight[c], doc.CatFields[c]) : std::string();
    return {caption + "\nFields per Page=" + NumText(fieldsPerPage) + " (" + NumText(pages) + " Pages)\n" +
                "Students per Page=" + NumText(studentsPerPage) + " (" + NumText(groups) + " Groups)",
            "Print Markroll Category" + NumText(cat)};
}

PrintPrompt WorksheetPrompt(int cat) {
    return {"Worksheet for Catagory " + NumText(cat), "Print"};
}

PrintPrompt PageTooSmall(int cat, bool tooNarrow, bool tooShort) {
    std::string text = "Page too small for Category " + NumTextTrim(cat) + ": ";
    if (tooNarrow && tooShort)
        text += "not one score field fits beside the names, and not one student fits below the headings.\n"
                "Use larger paper, or a smaller ID or name width.";
    else if (tooNarrow)
        text += "not one score field fits beside the names.\n"
                "Choose Landscape, a smaller ID or name width, or wider paper.";
    else
        text += "not one student fits below the headings.\n"
                "Choose Portrait, or taller paper.";
    return {text, "Print Markroll"};
}

} // namespace markroll
