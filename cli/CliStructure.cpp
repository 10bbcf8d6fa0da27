#include <algorithm>
#include <map>

#include "CliTools.h"
#include "calc/Structure.h"
#include "modify/CategorySetup.h"
#include "modify/FieldSetup.h"

namespace markroll {

const char* const CategoryHelp =
    R"(Usage: markroll-cli category insert FILE POS [--weight W] [--fields N] [--length L] [--name NAME] [-o OUT] [--dry-run]
       markroll-cli category append FILE [--weight W] [--fields N] [--length L] [--name NAME] [-o OUT] [--dry-run]
       markroll-cli category delete FILE POS [-o OUT] [--dry-run]
       markroll-cli category switch FILE C1 C2 [-o OUT] [--dry-run]
       markroll-cli category change FILE CAT [--name NAME] [--weight W] [-o OUT] [--dry-run]

Inserts a user category before category POS, appends one after the last, deletes one or exchanges two, as the
Modify Markroll dialog does. A new category takes, for every option left out, the setting of the category at
POS (append: the last category): its weight, its number of user fields (N, the total field not counted), its
field length and its name. Numbers are corrected into range as the dialog corrects what is typed; NAME is UTF-8
and cut to 16 characters. The confirmation the dialog would show is printed, then the result is written to OUT,
or back to FILE, unless --dry-run. A limit the dialog reports ("Maximum of 10 Categories") ends with status 1 and
writes nothing. Totals are left to 'markroll-cli recalc'.

'change' renames user category CAT and gives it the weight W (its absolute value, at most 999), as the Modify
Category dialog does; a setting left out stays as it is. When the weights' sum changes, the summary is computed
again. Nothing is printed or written when neither differs.
)";

namespace {

// The options of the category and field commands, each the text typed into one box of a dialog.
struct CategoryArgs {
    std::vector<std::string> operands;
    std::optional<std::string> weight, fields, length, name, count, out;
    bool dryRun = false;
};

CategoryArgs ParseCategoryArgs(const std::vector<std::string>& args) {
    CategoryArgs c;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--weight")
            c.weight = CliTools::NumberArg("--weight", CliTools::Value(args, i));
        else if (a == "--fields")
            c.fields = CliTools::NumberArg("--fields", CliTools::Value(args, i));
        else if (a == "--length")
            c.length = CliTools::NumberArg("--length", CliTools::Value(args, i));
        else if (a == "--count")
            c.count = CliTools::NumberArg("--count", CliTools::Value(args, i));
        else if (a == "--name")
            c.name = CliTools::CodePageArg("--name", CliTools::Value(args, i));
        else if (a == "-o" || a == "--output") {
            c.out = CliTools::Value(args, i);
            if (c.out->empty())
                throw UsageError{"option " + a + " needs a file name"};
        } else if (a == "--dry-run")
            c.dryRun = true;
        else if (CliTools::IsNumber(a) || (CliTools::RejectOption(a), true))
            c.operands.push_back(a);
    }
    return c;
}

// CAT of a command: a user category of doc.
int UserCategoryArg(const Document& doc, const std::string& text) {
    const int cat = CliTools::WholeNumber("CAT", text);
    if (!doc.IsUserCat(cat))
        throw UsageError{"CAT must be 2.." + std::to_string(doc.NumCats - 1) + ", a user category, got '" + text + "'"};
    return cat;
}

// A field number, read as the dialog reads its box; it must name a field of category cat.
std::string FieldArg(const Document& doc, int cat, const std::string& what, const std::string& text) {
    const int last = doc.CatFields[static_cast<std::size_t>(cat)] - 1;
    const int f = ReadInt16(text);
    if (f < 0 || f > last)
        throw UsageError{what + " must be 0.." + std::to_string(last) + ", a field of category " + std::to_string(cat) +
                         ", got '" + text + "'"};
    return text;
}

// Runs option of the field dialog on category cat: its boxes as the option's set-up leaves them, those given
// typed over them. Prints the question and writes what its OK does; a limit is an error, and nothing to change
// prints and writes nothing.
int RunFieldOption(CliTools& cli, const CategoryArgs& c, Document& doc, int cat, int option,
                   const std::array<std::optional<std::string>, NumFieldBoxes>& given) {
    if (const auto limit = FieldOptionLimit(doc, cat, option)) {
        cli.m_err << limit->Text << "\n";
        return CliFileError;
    }
    const FieldSetup s = SetUpFieldOption(doc, cat, option);
    FieldBoxes boxes;
    for (std::size_t k = 0; k < s.Ranges.size(); ++k)
        if (s.Ranges[k])
            boxes[k] = NumTextTrim(s.Ranges[k]->Start);
    boxes[NumFieldBoxes - 1] = s.Name;
    for (std::size_t k = 0; k < NumFieldBoxes; ++k)
        boxes[k] = given[k].value_or(boxes[k]);
    const FieldRequest request = ReadFieldRequest(doc, cat, option, boxes);
    const std::string text = FieldQuestion(doc, cat, request);
    if (text.empty())
        return CliOk;
    ApplyField(doc, cat, request);
    CliTools::Operation op;
    op.out = c.out;
    op.dryRun = c.dryRun;
    return cli.Confirm(op, c.operands[0], doc, text);
}

int ChangeCategoryCommand(CliTools& cli, const CategoryArgs& c) {
    if (c.operands.size() != 2)
        throw UsageError{"category change takes 2 argument(s) before its options"};
    if (c.fields || c.length || c.count)
        throw UsageError{"category change takes --name and --weight only"};
    auto doc = cli.Load(c.operands[0]);
    if (!doc)
        return CliFileError;
    const int cat = UserCategoryArg(*doc, c.operands[1]);
    return RunFieldOption(cli, c, *doc, cat, FldOptName,
                          {std::nullopt, std::nullopt, std::nullopt, std::nullopt, c.weight, c.name});
}

} // namespace

int CategoryCommand(CliTools& cli, const std::vector<std::string>& args) {
    if (args.empty())
        throw UsageError{"expected insert, append, delete, switch or change"};
    const std::string sub = args[0];
    if (sub == "change")
        return ChangeCategoryCommand(cli, ParseCategoryArgs({args.begin() + 1, args.end()}));
    int option = 0;
    if (sub == "insert")
        option = CatOptInsert;
    else if (sub == "append")
        option = CatOptAppend;
    else if (sub == "delete")
        option = CatOptDelete;
    else if (sub == "switch")
        option = CatOptSwitch;
    else
        throw UsageError{"unknown category operation '" + sub + "'"};
    const CategoryArgs c = ParseCategoryArgs({args.begin() + 1, args.end()});
    const std::size_t wanted = option == CatOptAppend ? 1 : option == CatOptSwitch ? 3 : 2;
    if (c.operands.size() != wanted)
        throw UsageError{"category " + sub + " takes " + std::to_string(wanted) + " argument(s) before its options"};
    if (c.count)
        throw UsageError{"--count goes with the field commands"};
    const bool settings = c.weight || c.fields || c.length || c.name;
    if (settings && option != CatOptInsert && option != CatOptAppend)
        throw UsageError{"--weight, --fields, --length and --name go with insert and append"};
    const std::string& file = c.operands[0];
    std::vector<std::string> numbers;
    for (std::size_t i = 1; i < c.operands.size(); ++i)
        numbers.push_back(CliTools::NumberArg("the category number", c.operands[i]));

    auto doc = cli.Load(file);
    if (!doc)
        return CliFileError;
    if (const auto limit = CategoryLimit(*doc, option)) {
        cli.m_err << *limit << "\n";
        return CliFileError;
    }
    CliTools::Operation op;
    op.out = c.out;
    op.dryRun = c.dryRun;
    std::string text;
    if (option == CatOptInsert || option == CatOptAppend) {
        // The boxes as the dialog loads them from the category at the position, then what was given.
        const int from = option == CatOptAppend ? doc->NumCats - 1 : ReadCategoryBox(numbers[0], 2, doc->NumCats - 1);
        std::array<std::string, 5> boxes = CategoryBoxes(*doc, from);
        boxes[1] = c.weight.value_or(boxes[1]);
        boxes[2] = c.fields.value_or(boxes[2]);
        boxes[3] = c.length.value_or(boxes[3]);
        boxes[4] = c.name.value_or(boxes[4]);
        const NewCategory n = ReadNewCategory(*doc, option, boxes);
        text = NewCategoryText(*doc, option, n);
        InsertCategory(*doc, n.Position, n.UserFields + 1, n.FieldLength, n.Name, n.Weight);
    } else if (option == CatOptDelete) {
        const int n = ReadCategoryBox(numbers[0], 2, doc->NumCats - 1);
        text = DeleteCategoryText(*doc, n);
        DeleteCategory(*doc, n);
    } else {
        const auto [n, m] = SwitchPair(*doc, numbers[0], numbers[1]);
        text = SwitchCategoryText(n, m);
        SwitchCategories(*doc, n, m);
    }
    return cli.Confirm(op, file, *doc, text);
}

const char* const FieldHelp =
    R"(Usage: markroll-cli field insert FILE CAT POS [--count N] [--length L] [-o OUT] [--dry-run]
       markroll-cli field append FILE CAT [--count N] [--length L] [-o OUT] [--dry-run]
       markroll-cli field delete FILE CAT START [--count N] [-o OUT] [--dry-run]
       markroll-cli field switch FILE CAT F1 F2 [-o OUT] [--dry-run]
       markroll-cli field set FILE CAT FIELD VALUE [-o OUT] [--dry-run]

Changes the fields of user category CAT as the Modify Category dialog does: inserts N fields of length L before
field POS, appends them after the last field, deletes N fields from field START on, exchanges fields F1 and F2,
or writes VALUE into field FIELD of every row (class average, students and possible points). N and L are 1 and
3 unless given. Numbers are corrected into range as the dialog corrects what is typed: N up to the room left in
the category (delete: never the last user field), L 0 to 4, VALUE 0 to 999. The confirmation the dialog would
show is printed, then the result is written to OUT, or back to FILE, unless --dry-run. A limit the dialog
reports ("Category is Full", "Must have at least Two User Fields to Delete") ends with status 1 and writes
nothing; switching a field with itself prints and writes nothing. Totals are left to 'markroll-cli recalc'.
)";

int FieldCommand(CliTools& cli, const std::vector<std::string>& args) {
    if (args.empty())
        throw UsageError{"expected insert, append, delete, switch or set"};
    const std::string sub = args[0];
    // Each operation: its option and the names of its arguments after FILE and CAT.
    const std::map<std::string, std::pair<int, std::vector<std::string>>> operations = {
        {"insert", {FldOptInsert, {"POS"}}},
        {"append", {FldOptAppend, {}}},
        {"delete", {FldOptDelete, {"START"}}},
        {"switch", {FldOptSwitch, {"F1", "F2"}}},
        {"set", {FldOptSet, {"FIELD", "VALUE"}}}};
    const auto found = operations.find(sub);
    if (found == operations.end())
        throw UsageError{"unknown field operation '" + sub + "'"};
    const auto& [option, names] = found->second;
    const CategoryArgs c = ParseCategoryArgs({args.begin() + 1, args.end()});
    if (c.operands.size() != names.size() + 2)
        throw UsageError{"field " + sub + " takes " + std::to_string(names.size() + 2) +
                         " argument(s) before its options"};
    if (c.weight || c.fields || c.name)
        throw UsageError{"--weight, --fields and --name go with the category commands"};
    const bool adds = option == FldOptInsert || option == FldOptAppend;
    if (c.length && !adds)
        throw UsageError{"--length goes with insert and append"};
    if (c.count && !adds && option != FldOptDelete)
        throw UsageError{"--count goes with insert, append and delete"};
    for (std::size_t i = 0; i < names.size(); ++i)
        CliTools::RequireNumber(names[i], c.operands[i + 2]);

    auto doc = cli.Load(c.operands[0]);
    if (!doc)
        return CliFileError;
    const int cat = UserCategoryArg(*doc, c.operands[1]);
    // The boxes the arguments stand for: the field or the first field, the length, the value, and the count
    // or the second field.
    std::array<std::optional<std::string>, NumFieldBoxes> given;
    if (!names.empty())
        given[0] = FieldArg(*doc, cat, names[0], c.operands[2]);
    given[1] = c.length;
    given[3] = c.count;
    if (option == FldOptSwitch)
        given[3] = FieldArg(*doc, cat, names[1], c.operands[3]);
    if (option == FldOptSet)
        given[2] = c.operands[3];
    return RunFieldOption(cli, c, *doc, cat, option, given);
}

} // namespace markroll
