#include "modify/FieldSetup.h"

#include <algorithm>
#include <cstdlib>

#include "calc/Structure.h"
#include "document/TextNumber.h"

namespace markroll {

namespace {

// The fields of category cat, total field included; a category the document does not hold counts as the
// smallest one, so no range reaches past what there is.
int Fields(const Document& doc, int cat) {
    return doc.IsUserCat(cat) ? doc.CatFields[static_cast<std::size_t>(cat)] : 2;
}

std::string Num(int n) {
    return NumTextTrim(n);
}

std::string OptionCaption(int option) {
    switch (option) {
    case FldOptName:
        return "Change Category Name/Weight";
    case FldOptInsert:
        return "Insert New Fields";
    case FldOptAppend:
        return "Append New Fields";
    case FldOptDelete:
        return "Delete Field(s)";
    case FldOptSwitch:
        return "Switch Fields";
    case FldOptOrder:
        return "Order by Field Values";
    default:
        return "Set Field Values";
    }
}

} // namespace

std::optional<FieldLimit> FieldOptionLimit(const Document& doc, int cat, int option) {
    const int nf = Fields(doc, cat);
    if ((option == FldOptInsert || option == FldOptAppend) && MaxFields - nf < 1)
        return FieldLimit{"Category is Full", "Insert/Append Fields", true};
    // A category keeps at least one user field.
    if (option == FldOptDelete && nf < 3)
        return FieldLimit{"Must have at least Two User Fields to Delete", "Delete Fields", false};
    return std::nullopt;
}

FieldSetup SetUpFieldOption(const Document& doc, int cat, int option) {
    const int nf = Fields(doc, cat);
    FieldSetup s;
    s.Caption = OptionCaption(option);
    s.Shown = {true, true, true, true, false, false};
    s.Limit = FieldOptionLimit(doc, cat, option);
    switch (option) {
    case FldOptName:
        s.Shown = {false, false, false, false, true, true};
        s.Labels[4] = "Category Weight";
        s.Labels[5] = "Category Name";
        if (doc.IsUserCat(cat)) {
            s.Ranges[4] = SpinRange{0, 999, doc.CatWeight[static_cast<std::size_t>(cat)]};
            s.Name = doc.CatName[static_cast<std::size_t>(cat)];
        }
        break;
    case FldOptInsert:
    case FldOptAppend:
        if (s.Limit) {
            s.SetUp = false;
            // Insert is no longer selected then; Append stays.
            if (option == FldOptInsert)
                s.Caption = "Modify Category";
            break;
        }
        s.Shown[2] = false;
        s.Box0Enabled = option == FldOptInsert;
        s.Labels = {option == FldOptInsert ? "Insert Before" : "Append After", "Field Length", "Number of Points",
                    "Number of Fields"};
        s.Ranges = {SpinRange{1, nf - 1, nf - 1}, SpinRange{0, CellWidth, 3}, SpinRange{0, 999, 0},
                    SpinRange{1, MaxFields - nf, 1}};
        break;
    case FldOptDelete:
        s.Shown[1] = s.Shown[2] = false;
        s.Labels[0] = "Starting at";
        s.Labels[3] = "Number of Fields";
        s.Ranges[0] = SpinRange{1, nf - 1, nf - 1};
        s.Ranges[3] = SpinRange{1, nf - 2, 1};
        break;
    case FldOptSwitch:
        s.Shown[1] = s.Shown[2] = false;
        s.Labels[0] = "First Field";
        s.Labels[3] = "Second Field";
        s.Ranges[0] = SpinRange{1, nf - 1, 1};
        s.Ranges[3] = SpinRange{1, nf - 1, nf - 1};
        break;
    case FldOptOrder:
        s.Shown = {true, false, false, false, false, false};
        s.Labels[0] = "Ordering Field";
        s.Ranges[0] = SpinRange{0, nf - 1, 0};
        break;
    default:
        s.Shown[1] = s.Shown[3] = false;
        s.Labels[0] = "Field to Set";
        s.Labels[2] = "Number of Points";
        s.Ranges[0] = SpinRange{1, nf - 1, 1};
        s.Ranges[2] = SpinRange{0, 999, 100};
        break;
    }
    return s;
}

FieldRequest ReadFieldRequest(const Document& doc, int cat, int option, const FieldBoxes& boxes) {
    const int nf = Fields(doc, cat);
    const FieldSetup s = SetUpFieldOption(doc, cat, option);
    const auto read = [&](std::size_t k) { return s.Ranges[k] ? ReadBox(boxes[k], *s.Ranges[k]) : 0; };
    FieldRequest r;
    r.Option = option;
    switch (option) {
    case FldOptName:
        r.Weight = std::min(std::abs(static_cast<int>(ReadInt16(boxes[4]))), 999);
        r.Name = Left(boxes[5], MaxNameLen);
        break;
    case FldOptInsert:
    case FldOptAppend:
        // Append always follows the last field, whatever its box holds.
        r.Field = option == FldOptAppend ? nf : read(0);
        r.Length = read(1);
        r.Count = read(3);
        break;
    case FldOptDelete:
        r.Field = read(0);
        r.Count = std::max(1, std::min(read(3), nf - r.Field));
        break;
    case FldOptSwitch:
        r.Field = read(0);
        r.Count = read(3);
        break;
    case FldOptOrder:
        r.Field = read(0);
        break;
    default:
        r.Field = read(0);
        r.Value = read(2);
        break;
    }
    return r;
}

std::array<std::optional<std::string>, NumFieldBoxes> FieldBoxTexts(const Document& doc, int cat,
                                                                    const FieldRequest& r) {
    std::array<std::optional<std::string>, NumFieldBoxes> t;
    switch (r.Option) {
    case FldOptName:
        t[4] = Num(r.Weight);
        t[5] = r.Name;
        break;
    case FldOptInsert:
    case FldOptAppend:
        t[0] = Num(r.Option == FldOptAppend ? Fields(doc, cat) - 1 : r.Field);
        t[1] = Num(r.Length);
        t[3] = Num(r.Count);
        break;
    case FldOptDelete:
    case FldOptSwitch:
        t[0] = Num(r.Field);
        t[3] = Num(r.Count);
        break;
    case FldOptOrder:
        t[0] = Num(r.Field);
        break;
    default:
        t[0] = Num(r.Field);
        t[2] = Num(r.Value);
        break;
    }
    return t;
}

std::string FieldQuestion(const Document& doc, int cat, const FieldRequest& r) {
    const int nf = Fields(doc, cat);
    switch (r.Option) {
    case FldOptName: {
        if (!doc.IsUserCat(cat))
            return {};
        const auto k = static_cast<std::size_t>(cat);
        std::string text;
        if (r.Name != doc.CatName[k])
            text = "Change Category Name:\n   From:  " + doc.CatName[k] + "\n   To:  " + r.Name + "\n\n";
        if (r.Weight != doc.CatWeight[k])
            text += "Change Category Weight:\n   From:  " + Num(doc.CatWeight[k]) + "\n   To:  " + Num(r.Weight);
        return text;
    }
    case FldOptInsert:
    case FldOptAppend: {
        const std::string head = r.Option == FldOptInsert
                                     ? "Insert " + Num(r.Count) + " Field(s) Before Field " + Num(r.Field)
                                     : "Append " + Num(r.Count) + " New Field(s) After Field " + Num(nf - 1);
        return head + "\n   Using a Field Length of " + Num(r.Length);
    }
    case FldOptDelete:
        if (r.Count == nf - 2)
            return "Delete All but One Active Field?";
        return "Delete " + Num(r.Count) + " Field(s)\nBeginning with Field " + Num(r.Field);
    case FldOptSwitch:
        if (r.Field == r.Count)
            return {};
        return "Switch Field " + Num(r.Field) + " with Field " + Num(r.Count);
    case FldOptOrder:
        return {};
    default:
        return "Set Field " + Num(r.Field) + " with a value of " + Num(r.Value);
    }
}

std::string FieldQuestionTitle(int option) {
    switch (option) {
    case FldOptName:
        return "Change Category Name/Weight";
    case FldOptInsert:
    case FldOptAppend:
        return "Insert/Append Fields";
    case FldOptDelete:
        return "Delete Fields";
    default:
        return OptionCaption(option);
    }
}

void ApplyField(Document& doc, int cat, const FieldRequest& r) {
    if (!doc.IsUserCat(cat) || FieldOptionLimit(doc, cat, r.Option))
        return;
    const int nf = Fields(doc, cat);
    switch (r.Option) {
    case FldOptName:
        ChangeCategory(doc, cat, r.Name, r.Weight);
        break;
    case FldOptInsert:
    case FldOptAppend:
        InsertFields(doc, cat, r.Field, r.Count, r.Length);
        break;
    case FldOptDelete:
        // Never the last user field.
        DeleteFields(doc, cat, r.Field, std::min({r.Count, nf - 2, nf - r.Field}));
        break;
    case FldOptSwitch: {
        int first = r.Field;
        int second = r.Count;
        SwitchFields(doc, cat, first, second);
        break;
    }
    case FldOptSet:
        SetFieldValue(doc, cat, r.Field, r.Value);
        break;
    default:
        break;
    }
}

} // namespace markroll
