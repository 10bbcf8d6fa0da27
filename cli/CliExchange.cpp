#include "CliTools.h"
#include "calc/RosterImport.h"
#include "calc/Statistics.h"
#include "document/CsvExport.h"
#include "document/FileAccess.h"

namespace markroll {

const char* const ExportHelp = R"(Usage: markroll-cli export FILE [--category N] [-o OUT.csv]

Writes the markroll FILE, or one of its categories, as a CSV file for spreadsheets and school systems, byte for
byte as File > Export CSV writes it: comma separated, fields with a comma, a quote or a line break quoted, CR LF
line ends, UTF-8 with a byte-order mark.

Without --category, the whole markroll: the student's number, ID# and name, the fields and total of every user
category ("NAME 1", "NAME 2", ..., "NAME Tot"), tot, adj, TOT and the letter grade, a line per student, then the
possible points and the class average. --category 0 writes SUMMARY (the letter grade, each user category's
total, tot, adj and TOT), 1 NAME DATA (number, ID# and name), 2 and up one user category (its fields and total).

Cells go out as they stand, trimmed; a cell of dots is empty. Nothing is recomputed: run 'markroll-cli recalc'
first for current totals. The CSV goes to OUT.csv, which is replaced safely, or to standard output without -o or
with -o -.
)";

const char* const ImportHelp = R"(Usage: markroll-cli import-students FILE ROSTER [-o OUT] [--dry-run]

Appends the students of the class roster ROSTER to the markroll FILE, as File > Import Students does, without the
preview. ROSTER is a CSV or tab-separated file in UTF-8 (with or without a byte-order mark) or, when it is not
valid UTF-8, in Windows-1252. The ID and name columns are found from its header row (ID, ID#, Student ID or
Number; Name, Student Name or Student, or Last Name and First Name, joined as "Last/ First"), or are the first
two columns when there is no such header.

Each row becomes a single new student, blank in every category, its ID right-aligned in 11 characters and its
name cut to 30. A row is rejected when its ID or its name is empty or has a character Windows-1252 cannot hold,
when its ID is longer than 11 characters, is already in the markroll or came earlier in the roster (the first
row is kept), or when the markroll already holds 100 students; blank lines are skipped. Every rejected row is
reported on standard error ("line N: reason", counting the roster's lines from 1, the header included), then
"N students added, M rows rejected" is printed.

The result is written to OUT, or back to FILE, unless --dry-run. When no row can be added, the status is 1 and
nothing is written. Totals are left to 'markroll-cli recalc'.
)";

const char* const StatsHelp = R"(Usage: markroll-cli stats FILE [--category N]

Prints the class statistics of category N of FILE as the Statistics window shows them. For each field with at
least one value and for the category total: the number of students with a value, the mean, the median, the
standard deviation (of the class as a whole population, dividing by the number), the lowest and highest value
and the possible points. For SUMMARY (0, the default): the weighted total (tot), the adjustment (adj) and TOT, a
histogram of TOT in bins of 10 points (a bin holds its lower edge up to the next bin's; 100 counts in 90-100)
with the grade table's minimums marked, and the number of students at each letter grade as assigned.

Cells of dots are empty and left out, not counted as zero. The figures come from the cells as they stand, so run
'markroll-cli recalc' (and 'grade') first for current totals and letters. N is 0 or a user category, 2 and up.
)";

namespace {

// The operands and options of the three commands; each refuses the options it does not take.
struct ExchangeArgs {
    std::vector<std::string> operands;
    std::optional<std::string> category, out;
    bool dryRun = false;
};

ExchangeArgs ParseExchangeArgs(const std::vector<std::string>& args) {
    ExchangeArgs e;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--category")
            e.category = CliTools::Value(args, i);
        else if (a == "-o" || a == "--output") {
            e.out = CliTools::Value(args, i);
            if (e.out->empty())
                throw UsageError{"option " + a + " needs a file name"};
        } else if (a == "--dry-run")
            e.dryRun = true;
        else {
            CliTools::RejectOption(a);
            e.operands.push_back(a);
        }
    }
    return e;
}

// --category of a loaded markroll: a category it has (stats: one with figures, so not NAME DATA).
int CategoryArg(const Document& doc, const std::string& text, bool figures) {
    const int c = CliTools::WholeNumber("--category", text);
    const std::string last = std::to_string(doc.NumCats - 1);
    if (!figures && (c < 0 || c >= doc.NumCats))
        throw UsageError{"--category must be 0.." + last + ", got '" + text + "'"};
    if (figures && c != 0 && !doc.IsUserCat(c))
        throw UsageError{"--category must be 0 or 2.." + last + ", got '" + text + "'"};
    return c;
}

} // namespace

int ExportCommand(CliTools& cli, const std::vector<std::string>& args) {
    const ExchangeArgs e = ParseExchangeArgs(args);
    if (e.operands.size() != 1 || e.dryRun)
        throw UsageError{"expected FILE, --category and -o only"};
    const auto doc = cli.Load(e.operands[0]);
    if (!doc)
        return CliFileError;
    std::optional<int> category;
    if (e.category)
        category = CategoryArg(*doc, *e.category, false);
    const std::string out = e.out.value_or(StdOut);
    if (out == StdOut) {
        cli.m_out << ExportCsv(*doc, category);
        return CliOk;
    }
    if (const auto error = WriteCsvFile(out, *doc, category))
        return cli.Fail(out, *error);
    return CliOk;
}

int ImportCommand(CliTools& cli, const std::vector<std::string>& args) {
    const ExchangeArgs e = ParseExchangeArgs(args);
    if (e.operands.size() != 2 || e.category)
        throw UsageError{"expected FILE and ROSTER, -o and --dry-run only"};
    const std::string& file = e.operands[0];
    const std::string& rosterFile = e.operands[1];
    auto doc = cli.Load(file);
    if (!doc)
        return CliFileError;
    std::string bytes;
    if (const auto error = ReadWholeFile(rosterFile, bytes))
        return cli.Fail(rosterFile, *error);

    const Roster roster = ReadRoster(bytes);
    const std::vector<RosterEntry> entries = PreviewRoster(*doc, roster, roster.Columns);
    int rejected = 0;
    for (const RosterEntry& entry : entries)
        if (!entry.Accepted()) {
            cli.m_err << RejectionLine(entry) << "\n";
            ++rejected;
        }
    const int added = ImportStudents(*doc, entries);
    cli.m_out << ImportSummary(added, rejected) << "\n";
    if (added == 0)
        return CliFileError;
    if (e.dryRun)
        return CliOk;
    return cli.Write(e.out.value_or(file), *doc) ? CliOk : CliFileError;
}

int StatsCommand(CliTools& cli, const std::vector<std::string>& args) {
    const ExchangeArgs e = ParseExchangeArgs(args);
    if (e.operands.size() != 1 || e.out || e.dryRun)
        throw UsageError{"expected FILE and --category only"};
    const auto doc = cli.Load(e.operands[0]);
    if (!doc)
        return CliFileError;
    const int c = e.category ? CategoryArg(*doc, *e.category, true) : 0;
    for (const std::string& line : StatisticsLines(*doc, ClassStatistics(*doc, c)))
        cli.m_out << ToUtf8(line) << "\n";
    return CliOk;
}

} // namespace markroll
