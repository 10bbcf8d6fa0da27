#pragma once

// What the fuzz target does with one input, shared with the regression test that replays every input the
// fuzzer ever crashed on. The input is a markroll file; the arguments of the operations are taken from its
// last bytes, read backwards, so a mutation near the end of a file steers the operations.

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

#include "calc/CatCaption.h"
#include "calc/Grades.h"
#include "calc/Recalc.h"
#include "calc/Structure.h"
#include "calc/Students.h"
#include "document/MarkrollFile.h"
#include "document/NewDocument.h"
#include "document/TextNumber.h"

namespace markroll::fuzz {

class ArgSource {
public:
    explicit ArgSource(std::string_view data) : m_data(data), m_pos(data.size()) {}

    /// A small signed number; a 0xFF byte announces a full 16-bit value for the out-of-range cases.
    int Next() {
        if (m_pos == 0)
            return 0;
        const auto b = static_cast<unsigned char>(m_data[--m_pos]);
        if (b == 0xFF && m_pos >= 2) {
            const auto hi = static_cast<unsigned char>(m_data[--m_pos]);
            const auto lo = static_cast<unsigned char>(m_data[--m_pos]);
            return static_cast<std::int16_t>(static_cast<std::uint16_t>(hi << 8 | lo));
        }
        return static_cast<signed char>(b);
    }

    /// A number in lo..hi, most of the time inside the range that the document makes valid. An empty
    /// range (a file may hold a negative field count) gives lo.
    int In(int lo, int hi) {
        const int v = Next();
        if (v < -100 || v > 100)
            return v;
        if (hi < lo)
            return lo;
        const int span = hi - lo + 1;
        return lo + ((v % span) + span) % span;
    }

    std::string Text(std::size_t maxLen) {
        std::string s;
        const std::size_t n = static_cast<std::size_t>(In(0, static_cast<int>(maxLen)));
        for (std::size_t i = 0; i < n && m_pos > 0; ++i) {
            const char ch = m_data[--m_pos];
            s.push_back(ch == '\n' ? ' ' : ch);
        }
        return s;
    }

private:
    std::string_view m_data;
    std::size_t m_pos;
};

/// "" when the document survives a save and load unchanged, otherwise what went wrong.
inline std::string CheckRoundTrip(const Document& doc, const char* when) {
    const std::string bytes = SerializeMarkroll(doc);
    Document back;
    if (auto err = ParseMarkroll(bytes, back))
        return std::string(when) + ": the saved text does not load: " + err->Message();
    if (!(back == doc))
        return std::string(when) + ": the loaded document differs from the saved one";
    if (SerializeMarkroll(back) != bytes)
        return std::string(when) + ": saving the loaded document gives other bytes";
    return {};
}

/// Loads data as a markroll and runs every computation and structure operation on it. Returns "" when
/// every property held, otherwise a description of the first that did not.
inline std::string RunOperations(std::string_view data) {
    Document doc;
    doc.NumCats = 2;
    doc.LastGrade = 1;
    doc.Resize();
    doc.CatName[0] = "untouched";
    const Document sentinel = doc;
    if (ParseMarkroll(data, doc))
        return doc == sentinel ? std::string() : "a failed load changed the document";

    if (auto e = CheckRoundTrip(doc, "as loaded"); !e.empty())
        return e;

    ArgSource arg(data);
    RecalcAll(doc);
    AssignGrades(doc, false);

    auto cat = [&] { return arg.In(-1, doc.NumCats + 1); };
    auto fieldsOf = [&](int c) {
        return doc.IsUserCat(c) ? static_cast<int>(doc.CatFields[static_cast<std::size_t>(c)]) : 3;
    };
    const int ops = 6 + arg.In(0, 6);
    for (int i = 0; i < ops; ++i) {
        const int op = i < 6 ? i : arg.In(0, 12);
        switch (op) {
        case 0: {
            const int pos = cat();
            const int nf = arg.In(-2, MaxFields + 2);
            const int len = arg.In(-1, CellWidth + 2);
            const std::string name = arg.Text(20);
            const int w = arg.Next() * 3;
            InsertCategory(doc, pos, nf, len, name, w);
            break;
        }
        case 1: {
            const int c = cat();
            const int n = fieldsOf(c);
            const int pos = arg.In(-1, n + 1);
            InsertFields(doc, c, pos, arg.In(-2, MaxFields + 2), arg.In(-1, CellWidth + 2));
            break;
        }
        case 2: {
            const int c = cat();
            const int n = fieldsOf(c);
            int f1 = arg.In(-1, n);
            int f2 = arg.In(-1, n);
            SwitchFields(doc, c, f1, f2);
            break;
        }
        case 3: {
            const int c = cat();
            const int n = fieldsOf(c);
            const int pos = arg.In(-1, n + 1);
            DeleteFields(doc, c, pos, arg.In(-1, n + 2));
            break;
        }
        case 4: {
            const int c1 = cat();
            SwitchCategories(doc, c1, cat());
            break;
        }
        case 5:
            DeleteCategory(doc, cat());
            break;
        case 6:
            RecalcCategory(doc, cat());
            break;
        case 8: {
            const int n = doc.NumStudents;
            const int pos = arg.In(-1, n + 2);
            InsertStudents(doc, pos, arg.In(-1, MaxStudents + 1),
                           (arg.Next() & 1) ? NewStudentRow(arg.Text(12), arg.Text(32)) : "");
            break;
        }
        case 9: {
            const int start = arg.In(-1, doc.NumStudents + 1);
            DeleteStudents(doc, start, arg.In(-1, doc.NumStudents + 1));
            break;
        }
        case 10: {
            const int a = arg.In(-1, doc.NumStudents + 1);
            SwitchStudents(doc, a, arg.In(-1, doc.NumStudents + 1));
            break;
        }
        case 11:
            AlphaStudents(doc);
            break;
        case 12:
            SetAdjustmentPoints(doc, arg.In(-5, 1005));
            break;
        default:
            RecalcSummary(doc);
        }
    }

    for (int c = 0; c < doc.NumCats; ++c) {
        const auto k = static_cast<std::size_t>(c);
        if (CatCaption(c, doc.CatName[k], doc.CatWeight[k], doc.CatFields[k]).empty())
            return "empty caption";
    }
    RecalcAll(doc);
    AssignGrades(doc, (arg.Next() & 1) != 0);
    if (auto e = CheckRoundTrip(doc, "after the operations"); !e.empty())
        return e;

    // A new document planned from this one, as the create dialog makes it after clamping its counts.
    CategoryPlan plan = Initialize(doc, true);
    plan.PlanStudents = ReadStudentCount(NumText(plan.PlanStudents));
    plan.PlanCats = static_cast<std::int16_t>(std::clamp<int>(plan.PlanCats, 3, MaxCats));
    for (auto& f : plan.PlanFields)
        f = static_cast<std::int16_t>(std::min<int>(f, 4 * MaxFields));
    CreateDocument(doc, plan);
    RecalcAll(doc);
    return CheckRoundTrip(doc, "after creating from the plan");
}

} // namespace markroll::fuzz
