#include "app/CsvChoices.h"

#include "calc/CatCaption.h"
#include "document/CsvExport.h"

namespace markroll {

std::vector<CsvChoice> CsvChoices(const Document& doc) {
    std::vector<CsvChoice> choices{{"The whole markroll", std::nullopt}};
    for (int c = 0; c < doc.NumCats; ++c) {
        const auto k = static_cast<std::size_t>(c);
        choices.push_back({CatCaption(c, doc.CatName[k], doc.CatWeight[k], doc.CatFields[k]), c});
    }
    return choices;
}

std::string CsvNameSuffix(const Document& doc, std::optional<int> category) {
    if (!category || *category < 0 || *category >= doc.NumCats)
        return {};
    std::string suffix = "-";
    for (const char ch : TrimBlanks(doc.CatName[static_cast<std::size_t>(*category)])) {
        const auto byte = static_cast<unsigned char>(ch);
        // Letters of the code page stay; separators, quotes, wildcards and blanks become one dash.
        const bool keep = (byte >= '0' && byte <= '9') || (byte >= 'A' && byte <= 'Z') ||
                          (byte >= 'a' && byte <= 'z') || byte == '_' || byte >= 0xC0;
        if (keep)
            suffix += ch;
        else if (suffix.back() != '-')
            suffix += '-';
    }
    while (suffix.size() > 1 && suffix.back() == '-')
        suffix.pop_back();
    return suffix.size() > 1 ? suffix : std::string();
}

} // namespace markroll
