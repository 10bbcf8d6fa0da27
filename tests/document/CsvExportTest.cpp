#include <gtest/gtest.h>

#include "calc/Students.h"
#include "document/CsvExport.h"
#include "support/TestDocuments.h"

using namespace markroll;
using namespace markroll::test;

namespace {

using Table = std::vector<std::vector<std::string>>;

// A plain RFC 4180 reader, written apart from the exporter so that both cannot share a mistake. Lines must end in
// CR LF: a bare line feed stays inside a field and shows in the comparison.
Table ReadCsv(std::string_view s) {
    EXPECT_EQ(s.substr(0, 3), "\xEF\xBB\xBF");
    Table rows(1, {""});
    bool quoted = false;
    for (std::size_t i = 3; i < s.size(); ++i) {
        if (quoted && s.substr(i, 2) == "\"\"")
            rows.back().back() += s[++i];
        else if (s[i] == '"')
            quoted = !quoted;
        else if (!quoted && s[i] == ',')
            rows.back().emplace_back();
        else if (!quoted && s.substr(i, 2) == "\r\n" && ++i)
            rows.push_back({""});
        else
            rows.back().back() += s[i];
    }
    EXPECT_EQ(rows.back(), std::vector<std::string>{""}) << "the last line ends in CR LF";
    rows.pop_back();
    return rows;
}

// Commas, quotes and high-bit letters in names and titles, scores, dots, blanks and the blank ID mask, read back
// from the whole markroll, SUMMARY, NAME DATA and a category the markroll lacks.
TEST(CsvExport, ReadsBackToTheCellsOfEveryPart) {
    Document doc = MakeDocument(2, {{"Tests, A", 60, 3, 3}, {"Lab \"x\"", 40, 2, 3}});
    doc.CatData(1, 1) = NewStudentRow("12-3", "M\xFCller, Ann");
    doc.CatData(2, 1) = Left(doc.CatData(2, 1), IdLen) + " O\"Neil \x80";
    for (const auto& [r, c, f, v] : {std::tuple{1, 2, 1, "7"},
                                     {1, 2, 0, "70"},
                                     {2, 2, 2, "    "},
                                     {doc.PossibleRow(), 2, 1, "10"},
                                     {1, 0, 0, "B"},
                                     {1, 0, 3, "81"}})
        SetField(doc, r, c, f, v);
    using Line = std::vector<std::string>;
    const auto row = [](Line lead, Line rest) {
        lead.insert(lead.end(), rest.begin(), rest.end());
        return lead;
    };
    const Line s1 = {"1", "12-3", "M\u00fcller, Ann"}, s2 = {"2", "", "O\"Neil \u20ac"};
    const std::pair<std::optional<int>, Table> cases[] = {
        {std::nullopt,
         {{"#", "ID#", "Name", "Tests, A 1", "Tests, A 2", "Tests, A Tot", "Lab \"x\" 1", "Lab \"x\" Tot", "tot", "adj",
           "TOT", "GR"},
          row(s1, {"7", "", "70", "", "", "81", "", "", "B"}),
          row(s2, Line(9)),
          {"", "", "Possible Points", "10", "", "100", "", "100", "100", "0", "100", ""},
          row({"", "", "Class Average"}, Line(9))}},
        {0,
         {{"#", "ID#", "Name", "GR", "Tests, A", "Lab \"x\"", "tot", "adj", "TOT"},
          row(s1, {"B", "", "", "81", "", ""}),
          row(s2, Line(6))}},
        {1, {{"#", "ID#", "Name"}, s1, s2}},
        {4, {}}};
    for (const auto& [category, expected] : cases)
        EXPECT_EQ(ReadCsv(ExportCsv(doc, category)), expected) << category.value_or(-1);
}

} // namespace
