#include "editor/FieldInfo.h"

#include "document/TextNumber.h"

namespace markroll {

std::string GetFieldInfo(const Document& doc, int& cat, int& fld) {
    const int numCats = static_cast<int>(doc.FieldInfo.size());
    if (cat > numCats - 1)
        cat = numCats - 1;
    if (cat < 0)
        cat = 0;
    const int fields =
        static_cast<std::size_t>(cat) < doc.CatFields.size() ? doc.CatFields[static_cast<std::size_t>(cat)] : 0;
    if (fld > fields - 1)
        fld = fields - 1;
    if (fld < 0)
        fld = 0;
    if (numCats == 0)
        return {};
    return Mid(doc.FieldInfo[static_cast<std::size_t>(cat)], fld * InfoLen + 1, InfoLen);
}

void SetFieldInfo(Document& doc, int cat, int fld, std::string_view text) {
    if (cat < 0 || static_cast<std::size_t>(cat) >= doc.FieldInfo.size() || fld < 0)
        return;
    std::string slot = Left(text, InfoLen);
    slot.resize(InfoLen, ' ');
    ReplaceAt(doc.FieldInfo[static_cast<std::size_t>(cat)], fld * InfoLen + 1, slot);
}

} // namespace markroll
