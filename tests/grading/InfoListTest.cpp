#include <gtest/gtest.h>

#include <sstream>

#include "grading/InfoList.h"
#include "support/TestDocuments.h"

using namespace markroll;

// The information dialog's lines without the dialog. Each case opens the default document or one of `lines`
// lines L0, L1, ..., runs its steps (a number selects that line, "a" adds, "d" deletes, "c" commits "  Room 12  ")
// and checks the answers of "a" and "d", the count, the selection, one line's name and text, and what Apply writes.
TEST(InfoList, StepsThenApply) {
    // clang-format off
    const struct Case { const char* what; int lines; std::string steps, done; int count, current, line;
                        std::string name, text; } cases[] = {
        {"opens on line 1", 0, "", "", 8, 1, 1, "Class Name", "Class Name???"},
        {"line 0 cannot be edited", 0, "3 0 c", "", 8, 1, 1, "Class Name", "  Room 12  "},
        {"no line past the last", 0, "4 8 c", "", 8, 4, 4, "Instructor", "  Room 12  "},
        {"fewer lines than eight", 1, "", "", 8, 1, 2, "Class Section", ""},
        {"a ninth line, named without the blank", 9, "", "", 9, 1, 8, "Info8", "L8"},
        {"add keeps the selection", 0, "a", "1", 9, 1, 8, "Info 8", "???"},
        {"add up to sixteen lines", 14, "a a a", "110", 16, 1, 15, "Info 15", "???"},
        {"the standard lines stay", 10, "7 d", "0", 10, 7, 7, "Last Update Time", "L7"},
        {"delete selects the line above", 10, "8 d", "1", 9, 7, 8, "Info9", "L9"},
        {"delete the last line", 10, "9 d", "1", 9, 8, 8, "Info8", "L8"},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Document doc = test::DefaultDocument();
        if (c.lines > 0)
            doc.LastInfo = static_cast<std::int16_t>(c.lines - 1), doc.InfoLine.clear();
        for (int i = 0; c.lines > 0 && i < c.lines + 2; ++i) // two more than LastInfo shows
            doc.InfoLine.push_back("L" + std::to_string(i));
        InfoList list = InfoList::FromDocument(doc);
        std::istringstream steps(c.steps);
        std::string done;
        for (std::string step; steps >> step;)
            if (step == "a" || step == "d")
                done += (step == "a" ? list.Add() : list.Delete()) ? '1' : '0';
            else
                step == "c" ? list.Commit("  Room 12  ") : list.Select(std::stoi(step));
        EXPECT_EQ(std::tuple(done, list.Current()), std::tuple(c.done, c.current));
        ASSERT_EQ(list.Count(), c.count);
        EXPECT_EQ(list.NumInfoText(), "NumInfo= " + std::to_string(c.count));
        EXPECT_EQ(list.Lines()[c.line].name + "|" + list.Lines()[c.line].text, c.name + "|" + c.text);
        list.ApplyTo(doc);
        ASSERT_EQ(std::pair(int(doc.LastInfo), doc.InfoLine.size()), std::pair(c.count - 1, std::size_t(c.count)));
        EXPECT_EQ(doc.InfoLine[c.line], c.text);
    }
}
