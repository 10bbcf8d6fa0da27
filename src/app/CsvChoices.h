#pragma once

#include <optional>
#include <string>
#include <vector>

#include "document/Document.h"

namespace markroll {

/// One line of the export dialog's list: its text and what it writes (no category: the whole markroll).
struct CsvChoice {
    std::string Label;
    std::optional<int> Category;

    bool operator==(const CsvChoice&) const = default;
};

/// The whole markroll first, then every category of the document in order, each by its caption.
std::vector<CsvChoice> CsvChoices(const Document& doc);

/// What the export's file name adds to the markroll's own name: nothing for the whole markroll, else a dash and
/// the category's name with every character a file name would trip on made a dash ("-Tests-A" for "Tests, A").
std::string CsvNameSuffix(const Document& doc, std::optional<int> category);

} // namespace markroll
