#include "document/NewDocument.h"

#include <algorithm>
#include <cmath>

#include "document/TextNumber.h"

namespace markroll {

namespace {

std::string Repeat(std::string_view s, int n) {
    std::string out;
    for (int i = 0; i < n; ++i)
        out += s;
    return out;
}

std::string Pad(std::string_view text) {
    return Left(std::string(text) + Space(InfoLen), InfoLen);
}

int RoundCount(double x) {
    return static_cast<int>(RoundHalfEven(x));
}

} // namespace

RowTemplates BuildRowTemplates(const Document& doc, int c, int n, int len) {
    RowTemplates t;
    if (c == 0) {
        const int cats = std::max<int>(doc.NumCats, 2);
        t.TmplBlank = Space(CellWidth) + Repeat(" ...", cats + 1);
        t.TmplPossible = Repeat(" 100", cats) + "   0" + " 100";
        t.TmplTitle = " GR ";
        for (int k = 1; k <= cats - 2; ++k)
            t.TmplTitle += CellText(k, CellWidth);
        t.TmplTitle += " tot adj TOT";
    } else if (c == 1) {
        const int w = NameDataWidth;
        t.TmplBlank = Right(Space(IdLen) + "...-..-....", IdLen) + Space(NameLen + 1);
        const int p = RoundCount((w - 15) / 2.0);
        t.TmplPossible = Right("  " + Space(p) + "Possible Points" + Space(p), w);
        // The ID# title fills the ID# part exactly; the name title starts the name part.
        t.TmplTitle = Right(Space(IdLen) + "Student ID#", IdLen) + " " + Left("Student Name" + Space(NameLen), NameLen);
    } else {
        n = std::max(n, 1);
        len = std::clamp(len, 0, CellWidth);
        const std::string cell = Space(CellWidth - len) + std::string(static_cast<std::size_t>(len), '.');
        t.TmplBlank = Repeat(cell, n);
        t.TmplPossible = " 100" + Repeat(cell, n - 1);
        t.TmplTitle = " Tot";
        for (int k = 1; k <= n - 1; ++k)
            t.TmplTitle += CellText(k, CellWidth);
    }
    return t;
}

CategoryPlan Initialize(Document& doc, bool documentOpen) {
    CategoryPlan plan;
    if (documentOpen) {
        plan.PlanCats = static_cast<std::int16_t>(std::clamp<int>(doc.NumCats, 0, MaxCats));
        plan.PlanStudents = doc.NumStudents;
        for (int c = 0; c < plan.PlanCats; ++c) {
            const auto k = static_cast<std::size_t>(c);
            plan.PlanName[k] = doc.CatName[k];
            plan.PlanWeight[k] = doc.CatWeight[k];
            plan.PlanFields[k] = doc.CatFields[k];
            plan.PlanLen[k] = doc.FieldLen[k];
        }
        return plan;
    }

    plan.PlanCats = 5;
    plan.PlanStudents = 40;
    plan.PlanName[0] = "SUMMARY";
    plan.PlanWeight[0] = 100;
    plan.PlanFields[0] = static_cast<std::int16_t>(plan.PlanCats + 2);
    plan.PlanLen[0] = 3;
    plan.PlanName[1] = "NAME DATA";
    plan.PlanWeight[1] = 0;
    plan.PlanFields[1] = 2;
    plan.PlanLen[1] = NameDataWidth;
    const int w = static_cast<int>(std::floor(100.0 / (plan.PlanCats - 2)));
    int sum = 0;
    for (int i = 2; i < plan.PlanCats; ++i) {
        const auto k = static_cast<std::size_t>(i);
        plan.PlanName[k] = "Catagory" + NumText(i);
        plan.PlanWeight[k] = static_cast<std::int16_t>(w);
        plan.PlanFields[k] = 2;
        plan.PlanLen[k] = 3;
        sum += w;
    }
    plan.PlanWeight[2] = static_cast<std::int16_t>(plan.PlanWeight[2] + 100 - sum);
    plan.PlanWeight[0] = 100;

    doc.LastInfo = 7;
    doc.InfoLine = {"Version 3.00",  "Class Name???",    "Class Section???",    "Class Term???",
                    "Instructor???", "Creation Date???", "Last Update Date???", "Last Update Time???"};
    doc.LastGrade = 6;
    doc.GradeLetter = {"gl", "A", "B", "C", "D", "F", "I"};
    doc.GradeMin = {0, 90, 80, 70, 60, 50, 0};
    return plan;
}

void CreateDocument(Document& doc, const CategoryPlan& plan) {
    doc.NumStudents = plan.PlanStudents;
    doc.NumCats = plan.PlanCats;
    const auto cats = static_cast<std::size_t>(doc.NumCats);
    doc.CatName.assign(cats, {});
    doc.CatWeight.assign(cats, 0);
    doc.CatFields.assign(cats, 0);
    doc.FieldLen.assign(cats, 0);
    doc.FieldInfo.assign(cats, {});
    for (std::size_t c = 0; c < cats; ++c) {
        doc.CatName[c] = plan.PlanName[c];
        doc.CatWeight[c] = plan.PlanWeight[c];
        doc.CatFields[c] = plan.PlanFields[c];
        doc.FieldLen[c] = plan.PlanLen[c];
    }
    // The plan's SUMMARY entry is seeded before rows are added or deleted; the fixed categories take the
    // shape that the category count demands.
    doc.CatFields[0] = static_cast<std::int16_t>(doc.NumCats + 2);
    doc.FieldLen[0] = 3;
    doc.CatWeight[1] = 0;
    doc.CatFields[1] = 2;
    doc.FieldLen[1] = NameDataWidth;
    for (std::size_t c = 2; c < cats; ++c) {
        doc.CatFields[c] = std::max<std::int16_t>(doc.CatFields[c], 1);
        doc.FieldLen[c] = std::clamp<std::int16_t>(doc.FieldLen[c], 0, CellWidth);
    }

    std::string summary = Pad("Class Grade");
    for (std::size_t c = 2; c < cats; ++c) {
        const std::string t = Pad("Totals for " + doc.CatName[c]);
        std::string info = t;
        for (int k = 1; k < doc.CatFields[c]; ++k)
            info += Pad("Info for Field" + NumText(k));
        doc.FieldInfo[c] = info;
        summary += t;
    }
    summary += Pad("Total Unadjusted Score") + Pad("Adjustment Points") + Pad("Total Adjusted Score");
    doc.FieldInfo[0] = summary;
    doc.FieldInfo[1] = Pad("Student ID     Student Name");

    doc.Grid.assign(cats, std::vector<std::string>(static_cast<std::size_t>(doc.RowCount())));
    for (int c = 0; c < doc.NumCats; ++c) {
        const auto k = static_cast<std::size_t>(c);
        const RowTemplates t = BuildRowTemplates(doc, c, doc.CatFields[k], doc.FieldLen[k]);
        for (int r = 0; r <= doc.NumStudents; ++r)
            doc.CatData(r, c) = t.TmplBlank;
        doc.CatData(doc.PossibleRow(), c) = t.TmplPossible;
        doc.CatData(doc.TitleRow(), c) = t.TmplTitle;
    }
}

std::int16_t ReadStudentCount(std::string_view text) {
    return static_cast<std::int16_t>(ClampInt(RoundHalfEven(TextValue(text)), 1, MaxStudents));
}

std::int16_t ReadPlanNumber(std::string_view text) {
    return ClampToInt16(std::fabs(std::floor(TextValue(text))));
}

PlanRow CommitPlanRow(std::string_view name, std::string_view weight, std::string_view fields,
                      std::string_view length) {
    PlanRow row;
    row.name = Left(name, MaxNameLen);
    row.weight = std::min<std::int16_t>(ReadPlanNumber(weight), 999);
    row.fields = static_cast<std::int16_t>(std::clamp<int>(ReadPlanNumber(fields), 2, MaxFields));
    row.length = static_cast<std::int16_t>(std::clamp<int>(ReadPlanNumber(length), 1, CellWidth));
    return row;
}

std::int16_t ClampPlanCats(int cats) {
    return static_cast<std::int16_t>(std::clamp(cats, 3, MaxCats));
}

std::string PlanNumberText(int value) {
    return NumTextTrim(value);
}

void RedoCats(CategoryPlan& plan, const std::vector<PlanRow>& rows) {
    const std::size_t count = std::min<std::size_t>(rows.size(), MaxCats - 2);
    int sum = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const PlanRow r = CommitPlanRow(rows[i].name, PlanNumberText(rows[i].weight), PlanNumberText(rows[i].fields),
                                        PlanNumberText(rows[i].length));
        plan.PlanName[i + 2] = r.name;
        plan.PlanWeight[i + 2] = r.weight;
        plan.PlanFields[i + 2] = r.fields;
        plan.PlanLen[i + 2] = r.length;
        sum += r.weight;
    }
    if (sum > 999) {
        const float factor = 999.0f / static_cast<float>(sum);
        sum = 0;
        for (std::size_t i = 0; i < count; ++i) {
            auto& w = plan.PlanWeight[i + 2];
            w = static_cast<std::int16_t>(std::floor(static_cast<float>(w) * factor));
            sum += w;
        }
    }
    plan.PlanCats = static_cast<std::int16_t>(count + 2);
    plan.PlanWeight[0] = static_cast<std::int16_t>(sum);
}

} // namespace markroll
