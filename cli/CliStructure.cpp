#include <algorithm>

#include "CliTools.h"
#include "calc/Structure.h"
#include "modify/CategorySetup.h"

namespace markroll {

const char* const CategoryHelp =
    R"(Usage: markroll-cli category insert FILE POS [--weight W] [--fields N] [--length L] [--name NAME] [-o OUT] [--dry-run]
       markroll-cli category append FILE [--weight W] [--fields N] [--length L] [--name NAME] [-o OUT] [--dry-run]
       markroll-cli category delete FILE POS [-o OUT] [--dry-run]
       markroll-cli category switch FILE C1 C2 [-o OUT] [--dry-run]

Inserts a user category before category POS, appends one after the last, deletes one or exchanges two, as the
Modify Markroll dialog does. A new category takes, for every option left out, the setting of the category at
POS (append: the last category): its weight, its number of user fields (N, the total field not counted), its
field length and its name. Numbers are corrected into range as the dialog corrects what is typed; NAME is UTF-8
and cut to 16 characters. The confirmation the dialog would show is printed, then the result is written to OUT,
or back to FILE, unless --dry-run. A limit the dialog reports ("Maximum of 10 Categories") ends with status 1 and
writes nothing. Totals are left to 'markroll-cli recalc'.
)";

namespace {

// The options of the category commands, each the text typed into one box of the dialog.
struct CategoryArgs {
    std::vector<std::string> operands;
    std::optional<std::string> weight, fields, length, name, out;
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

} // namespace

int CategoryCommand(CliTools& cli, const std::vector<std::string>& args) {
    if (args.empty())
        throw UsageError{"expected insert, append, delete, switch or change"};
    const std::string sub = args[0];
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

const char* const FieldHelp = R"(Usage: markroll-cli field ...
)";

int FieldCommand(CliTools&, const std::vector<std::string>&) {
    throw UsageError{"the field commands are not available yet"};
}

} // namespace markroll
