#pragma once

// What the benchmarks measure on: the largest document the program makes, and a private folder for files.

#include <unistd.h>

#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "document/NewDocument.h"
#include "document/TextNumber.h"

namespace markroll::bench {

/// MaxStudents students and MaxCats categories of MaxFields fields, every score and possible-points field
/// filled and every student named.
inline Document MaximalDocument() {
    Document doc;
    CategoryPlan plan = Initialize(doc, false);
    std::vector<PlanRow> rows;
    for (int c = 2; c < MaxCats; ++c)
        rows.push_back({"Category " + std::to_string(c), 12, MaxFields, 3});
    RedoCats(plan, rows);
    plan.PlanStudents = MaxStudents;
    CreateDocument(doc, plan);
    const auto set = [&doc](int r, int c, int f, const std::string& text) {
        ReplaceAt(doc.CatData(r, c), f * CellWidth + 1, Right(Space(CellWidth) + text, CellWidth));
    };
    for (int c = 2; c < doc.NumCats; ++c) {
        for (int f = 1; f < MaxFields; ++f) {
            set(doc.PossibleRow(), c, f, std::to_string(10 + f % 90));
            for (int r = 1; r <= doc.NumStudents; ++r)
                set(r, c, f, std::to_string((r * 7 + f * 13 + c) % 100));
        }
    }
    for (int r = 1; r <= doc.NumStudents; ++r) {
        const std::string id = std::to_string(100000000 + r * 9973);
        doc.CatData(r, 1) =
            Left(id.substr(0, 3) + "-" + id.substr(3, 2) + "-" + id.substr(5, 4) + Space(IdLen), IdLen) + " " +
            Left("Student Number " + std::to_string(r) + Space(NameLen), NameLen);
    }
    return doc;
}

/// A private folder, removed with everything in it at the end.
class BenchDir {
public:
    BenchDir() {
        std::string pattern = (std::filesystem::temp_directory_path() / "markroll-bench-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr)
            throw std::runtime_error("cannot create a temporary folder");
        m_path = pattern;
    }
    ~BenchDir() {
        std::error_code ec;
        std::filesystem::remove_all(m_path, ec);
    }
    BenchDir(const BenchDir&) = delete;
    BenchDir& operator=(const BenchDir&) = delete;
    std::string File(const std::string& name) const { return m_path + "/" + name; }

private:
    std::string m_path;
};

} // namespace markroll::bench
