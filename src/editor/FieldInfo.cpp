#include "editor/FieldInfo.h"

#include <algorithm>

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

namespace {

int LastField(const Document& doc, int cat) {
    return cat >= 0 && static_cast<std::size_t>(cat) < doc.CatFields.size()
               ? doc.CatFields[static_cast<std::size_t>(cat)] - 1
               : -1;
}

} // namespace

PopTarget InfoPopTarget(const Document& doc, int cat, int fld) {
    PopTarget t;
    t.cat = std::clamp(cat, 0, std::max(0, doc.NumCats - 1));
    t.lastFld = LastField(doc, t.cat);
    t.fld = fld < 0 || fld > t.lastFld ? 0 : fld;
    return t;
}

PopTarget SetValuesPopTarget(const Document& doc, int cat, int fld) {
    PopTarget t;
    t.cat = cat < 2 ? 0 : cat;
    if (t.cat > doc.NumCats - 1)
        t.cat = std::max(0, doc.NumCats - 1);
    t.lastFld = LastField(doc, t.cat);
    t.fld = std::clamp(fld, 0, std::max(0, t.lastFld));
    return t;
}

} // namespace markroll
