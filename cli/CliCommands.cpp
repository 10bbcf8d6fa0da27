#include "CliCommands.h"
#include "CliTools.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <map>
#include <optional>
#include <random>
#include <sstream>

#include "calc/CatCaption.h"
#include "calc/Grades.h"
#include "calc/Recalc.h"
#include "calc/Students.h"
#include "document/CodePage.h"
#include "document/MarkrollFile.h"
#include "document/NewDocument.h"
#include "document/TextNumber.h"
#include "reports/OrderList.h"

namespace markroll {

namespace {

const char* const MainHelp = R"(Usage: markroll-cli COMMAND [OPTIONS] FILE...

The command-line companion of Markroll, for scripting and for checking markroll files.

Commands:
  new      build a new markroll from a category plan
  info     print the counts and the category captions of a markroll
  recalc   recompute every category total and the summary
  grade    assign (or clear) the letter grades from the grade table
  check    load a markroll and report whether it is sound
  order    list the students ordered by a field's values, as text, PDF or on the printer
  student  insert, append, delete, switch or sort students
  adjust   set every student's adjustment points
  gradetable  print or replace the letter-grade table
  category insert, append, delete, switch or change (name and weight) user categories
  field    insert, append, delete, switch or set the fields of a user category
  print    print markroll sheets or worksheets, or write them to a PDF file
  export   write the markroll, or one category, as a CSV file for spreadsheets
  import-students  add the students of a class roster (CSV or tab-separated)
  stats    print a category's class statistics

Run 'markroll-cli COMMAND --help' for the options of a command.
Exit status: 0 success, 1 file or data error, 2 usage error.
)";

const std::map<std::string, std::string> CommandHelp = {
    {"category", CategoryHelp},
    {"field", FieldHelp},
    {"print", PrintHelp},
    {"export", ExportHelp},
    {"import-students", ImportHelp},
    {"stats", StatsHelp},
    {"new", R"(Usage: markroll-cli new [--students N] [--category NAME:WEIGHT:FIELDS:LENGTH]... [--from FILE]
                        [--force] OUT

Builds a new markroll exactly as the New command of the program does.

  --students N       number of students, read as the create dialog reads its box (1 to 100)
  --category SPEC    a user category: name (up to 16 characters; everything before the last three
                     colons), weight, number of fields (2 to 64) and field length (1 to 4); give it once
                     per category, in order, at most 8 times. Weights summing above 999 are scaled down.
  --from FILE        copy the plan (categories and student count) from FILE, with its information lines
                     and grade table; without it the default plan is used
  --force            overwrite OUT when it exists

A number out of its range is corrected as the create dialog corrects it, and the command says so on standard
error. OUT "-" writes the markroll to standard output.
)"},
    {"info", R"(Usage: markroll-cli info FILE

Prints the counts line (NumStudents,NumCats,LastInfo,LastGrade), then the caption of every category.
)"},
    {"recalc", R"(Usage: markroll-cli recalc FILE [-o OUT]

Recomputes the totals and class averages of every user category in order, then the summary, and writes
the result to OUT ("-" for standard output), or back to FILE.
)"},
    {"grade", R"(Usage: markroll-cli grade [--clear] FILE [-o OUT]

Assigns every student the letter grade of the file's grade table from the adjusted total (TOT), or with
--clear blanks every grade, and writes the result to OUT ("-" for standard output), or back to FILE.
)"},
    {"check", R"(Usage: markroll-cli check FILE

Loads FILE and prints "ok", or reports the first error with its line number.
)"},
    {"order", R"(Usage: markroll-cli order FILE CATEGORY FIELD [--increasing|--decreasing|--random|--current]
                          [--show both|id|name] [--header TEXT] [--seed N] [--pdf OUT.pdf | --print]

Lists the students of CATEGORY (0 SUMMARY, 2.. the user categories) ordered by the values of FIELD, as the
program's ordered listing does: the caption, the header, the possible points, one row a student and the class
average, as UTF-8 text on standard output. --current (the default) keeps the students' order; --seed makes the
random order repeatable. --pdf writes the printed listing to a PDF file, --print prints it on the default
printer.
)"},
    {"student", R"(Usage: markroll-cli student insert FILE POS [--count N] [--id ID --name NAME] [-o OUT] [--dry-run]
       markroll-cli student append FILE [--count N] [--id ID --name NAME] [-o OUT] [--dry-run]
       markroll-cli student delete FILE START [--count N] [-o OUT] [--dry-run]
       markroll-cli student switch FILE S1 S2 [-o OUT] [--dry-run]
       markroll-cli student sort FILE [-o OUT] [--dry-run]

Inserts (before student POS), appends, deletes (from student START on), switches or sorts by name the students of
FILE, in every category at once, as the student dialog does. Numbers are corrected as the dialog corrects them
(--count 1 when left out); a single new student gets --id and --name (UTF-8), otherwise the blank row. The
confirmation the dialog would show is printed; the result goes to OUT, or back to FILE, unless --dry-run.
Totals are left to 'recalc'.
)"},
    {"gradetable", R"(Usage: markroll-cli gradetable FILE [--set LETTER:MIN,LETTER:MIN,...] [-o OUT] [--dry-run]

Prints the letter-grade table, one level a line: the letter, a tab, the minimum score. With --set the table is
replaced by the levels given (1 to 20, in order), each taken as the grade dialog takes it: the letter trimmed
and cut to two characters ("??" when empty), the minimum rounded and kept in 0 to 100; the new table is printed
and written to OUT, or back to FILE, unless --dry-run. Assigning the grades is 'grade'.
)"},
    {"adjust", R"(Usage: markroll-cli adjust FILE POINTS [-o OUT] [--dry-run]

Sets every student's adjustment points (0 to 999) as the student dialog does, then recomputes the summary; prints
the confirmation and writes the result to OUT, or back to FILE, unless --dry-run.
)"},
};

ListingPrinter& RegisteredPrinter() {
    static ListingPrinter printer;
    return printer;
}

class Cli : public CliTools {
public:
    Cli(std::ostream& out, std::ostream& err) : CliTools(out, err) {}

    int Run(const std::vector<std::string>& args) {
        if (args.empty()) {
            m_err << MainHelp;
            return CliUsageError;
        }
        const std::string& cmd = args[0];
        if (cmd == "--help" || cmd == "-h" || cmd == "help") {
            if (args.size() > 1 && CommandHelp.count(args[1])) {
                m_out << CommandHelp.at(args[1]);
                return CliOk;
            }
            m_out << MainHelp;
            return CliOk;
        }
        if (!CommandHelp.count(cmd))
            return Usage("unknown command '" + cmd + "'");
        const std::vector<std::string> rest(args.begin() + 1, args.end());
        for (const auto& a : rest)
            if (a == "--help" || a == "-h") {
                m_out << CommandHelp.at(cmd);
                return CliOk;
            }
        int status = CliOk;
        try {
            if (cmd == "new")
                status = New(rest);
            else if (cmd == "info")
                status = Info(rest);
            else if (cmd == "recalc")
                status = Rewrite(rest, false);
            else if (cmd == "grade")
                status = Rewrite(rest, true);
            else if (cmd == "order")
                status = Order(rest);
            else if (cmd == "student")
                status = Student(rest);
            else if (cmd == "adjust")
                status = Adjust(rest);
            else if (cmd == "gradetable")
                status = GradeTable(rest);
            else if (cmd == "category")
                status = CategoryCommand(*this, rest);
            else if (cmd == "field")
                status = FieldCommand(*this, rest);
            else if (cmd == "print")
                status = PrintCommand(*this, rest);
            else if (cmd == "export")
                status = ExportCommand(*this, rest);
            else if (cmd == "import-students")
                status = ImportCommand(*this, rest);
            else if (cmd == "stats")
                status = StatsCommand(*this, rest);
            else
                status = Check(rest);
        } catch (const UsageError& e) {
            m_err << "markroll-cli " << cmd << ": " << e.message << "\n"
                  << "Try 'markroll-cli " << cmd << " --help'.\n";
            return CliUsageError;
        }
        // What a script reads from us must arrive whole; a full disk or a closed pipe is an error.
        m_out.flush();
        if (!m_out) {
            const int err = errno;
            m_err << "markroll-cli " << cmd << ": error writing to standard output";
            if (err != 0)
                m_err << ": " << std::strerror(err);
            m_err << "\n";
            return CliFileError;
        }
        return status;
    }

private:
    int Usage(const std::string& message) {
        m_err << "markroll-cli: " << message << "\nTry 'markroll-cli --help'.\n";
        return CliUsageError;
    }

    // The file operand and the optional -o OUT of recalc and grade.
    struct InOut {
        std::string in;
        std::optional<std::string> out;
        bool clear = false;
    };

    static InOut ParseInOut(const std::vector<std::string>& args, bool allowClear) {
        InOut io;
        for (std::size_t i = 0; i < args.size(); ++i) {
            const std::string& a = args[i];
            if (a == "-o" || a == "--output") {
                io.out = Value(args, i);
                if (io.out->empty())
                    throw UsageError{"option " + a + " needs a file name"};
            } else if (allowClear && a == "--clear")
                io.clear = true;
            else if (RejectOption(a), io.in.empty())
                io.in = a;
            else
                throw UsageError{"unexpected argument '" + a + "'"};
        }
        if (io.in.empty())
            throw UsageError{"missing FILE"};
        return io;
    }

    static std::string OneFile(const std::vector<std::string>& args) {
        if (args.size() != 1)
            throw UsageError{args.empty() ? "missing FILE" : "expected exactly one FILE"};
        RejectOption(args[0]);
        return args[0];
    }

    // A category as typed, before it is committed as the create dialog commits its row.
    struct PlanText {
        std::string name, weight, fields, length;
    };

    static PlanText ParseCategory(const std::string& spec) {
        // The name may itself hold colons: the last three colons separate the numbers.
        std::size_t c3 = spec.rfind(':');
        std::size_t c2 = c3 == std::string::npos || c3 == 0 ? std::string::npos : spec.rfind(':', c3 - 1);
        std::size_t c1 = c2 == std::string::npos || c2 == 0 ? std::string::npos : spec.rfind(':', c2 - 1);
        if (c1 == std::string::npos)
            throw UsageError{"--category needs NAME:WEIGHT:FIELDS:LENGTH, got '" + spec + "'"};
        PlanText row{spec.substr(0, c1), spec.substr(c1 + 1, c2 - c1 - 1), spec.substr(c2 + 1, c3 - c2 - 1),
                     spec.substr(c3 + 1)};
        const std::string what = "--category '" + spec + "'";
        RequireNumber(what + ": the weight", row.weight);
        RequireNumber(what + ": the number of fields", row.fields);
        RequireNumber(what + ": the field length", row.length);
        return row;
    }

    PlanRow Commit(const PlanText& t) {
        const PlanRow row = CommitPlanRow(t.name, t.weight, t.fields, t.length);
        const std::string what = "category " + row.name;
        if (row.name.size() < t.name.size())
            m_err << "category " << t.name << ": the name is cut to " << MaxNameLen << " characters, using " << row.name
                  << "\n";
        NoteCorrection(what + ": weight", t.weight, row.weight, 0, 999);
        NoteCorrection(what + ": fields", t.fields, row.fields, 2, MaxFields);
        NoteCorrection(what + ": field length", t.length, row.length, 1, CellWidth);
        return row;
    }

    int New(const std::vector<std::string>& args) {
        std::optional<std::string> students;
        std::optional<std::string> from;
        std::vector<PlanText> typed;
        std::string out;
        bool force = false;
        for (std::size_t i = 0; i < args.size(); ++i) {
            const std::string& a = args[i];
            if (a == "--students") {
                students = Value(args, i);
                RequireNumber("--students", *students);
            } else if (a == "--category") {
                typed.push_back(ParseCategory(Value(args, i)));
            } else if (a == "--from")
                from = Value(args, i);
            else if (a == "--force")
                force = true;
            else if (RejectOption(a), out.empty())
                out = a;
            else
                throw UsageError{"unexpected argument '" + a + "'"};
        }
        if (out.empty())
            throw UsageError{"missing OUT"};
        if (typed.size() > static_cast<std::size_t>(MaxCats - 2))
            throw UsageError{"at most " + std::to_string(MaxCats - 2) + " categories"};

        Document doc;
        if (from) {
            auto loaded = Load(*from);
            if (!loaded)
                return CliFileError;
            doc = std::move(*loaded);
        }
        CategoryPlan plan = Initialize(doc, from.has_value());
        if (!typed.empty()) {
            std::vector<PlanRow> rows;
            int sum = 0;
            for (const PlanText& t : typed) {
                rows.push_back(Commit(t));
                sum += rows.back().weight;
            }
            RedoCats(plan, rows);
            if (sum > 999) {
                m_err << "weights: they add up to " << sum << ", above 999, using";
                for (std::size_t i = 0; i < rows.size(); ++i)
                    m_err << (i ? ", " : " ") << plan.PlanWeight[i + 2];
                m_err << "\n";
            }
        }
        // The student box shows the plan's count until the teacher types another.
        const std::string studentText = students ? *students : PlanNumberText(plan.PlanStudents);
        plan.PlanStudents = ReadStudentCount(studentText);
        NoteCorrection("students:", studentText, plan.PlanStudents, 1, MaxStudents);
        plan.PlanCats = ClampPlanCats(plan.PlanCats);

        if (!force && out != StdOut && PathExists(out)) {
            m_err << out << ": file exists (use --force to overwrite)\n";
            return CliFileError;
        }
        CreateDocument(doc, plan);
        return Write(out, doc) ? CliOk : CliFileError;
    }

    int Info(const std::vector<std::string>& args) {
        const std::string file = OneFile(args);
        const auto loaded = Load(file);
        if (!loaded)
            return CliFileError;
        const Document& doc = *loaded;
        m_out << doc.NumStudents << "," << doc.NumCats << "," << doc.LastInfo << "," << doc.LastGrade << "\n";
        for (int c = 0; c < doc.NumCats; ++c) {
            const auto k = static_cast<std::size_t>(c);
            m_out << CatCaption(c, doc.CatName[k], doc.CatWeight[k], doc.CatFields[k]) << "\n";
        }
        return CliOk;
    }

    int Rewrite(const std::vector<std::string>& args, bool grade) {
        const InOut io = ParseInOut(args, grade);
        auto doc = Load(io.in);
        if (!doc)
            return CliFileError;
        if (grade)
            AssignGrades(*doc, io.clear);
        else
            RecalcAll(*doc);
        return Write(io.out.value_or(io.in), *doc) ? CliOk : CliFileError;
    }

    int Check(const std::vector<std::string>& args) {
        const std::string file = OneFile(args);
        if (!Load(file))
            return CliFileError;
        m_out << "ok\n";
        return CliOk;
    }

    int Order(const std::vector<std::string>& args) {
        std::vector<std::string> operands;
        int mode = OrderCurrent;
        int display = DisplayBoth;
        std::optional<std::string> header;
        std::optional<unsigned> seed;
        std::optional<std::string> pdf;
        bool print = false;
        for (std::size_t i = 0; i < args.size(); ++i) {
            const std::string& a = args[i];
            if (a == "--increasing" || a == "--decreasing" || a == "--random" || a == "--current") {
                mode = a == "--increasing"   ? OrderIncreasing
                       : a == "--decreasing" ? OrderDecreasing
                       : a == "--random"     ? OrderRandom
                                             : OrderCurrent;
            } else if (a == "--show") {
                const std::string v = Value(args, i);
                if (v != "both" && v != "id" && v != "name")
                    throw UsageError{"--show takes both, id or name, got '" + v + "'"};
                display = v == "id" ? DisplayId : v == "name" ? DisplayName : DisplayBoth;
            } else if (a == "--header") {
                header = Value(args, i);
            } else if (a == "--seed") {
                seed = static_cast<unsigned>(WholeNumber("--seed", Value(args, i)) & 0xFFFF);
            } else if (a == "--pdf") {
                pdf = Value(args, i);
                if (pdf->empty())
                    throw UsageError{"option --pdf needs a file name"};
            } else if (a == "--print") {
                print = true;
            } else {
                RejectOption(a);
                operands.push_back(a);
            }
        }
        if (operands.size() != 3)
            throw UsageError{"expected FILE CATEGORY FIELD"};
        if (pdf && print)
            throw UsageError{"--pdf and --print go one at a time"};
        const int cat = WholeNumber("CATEGORY", operands[1]);
        const int fld = WholeNumber("FIELD", operands[2]);
        const auto doc = Load(operands[0]);
        if (!doc)
            return CliFileError;
        if (cat < 0 || cat == 1 || cat >= doc->NumCats)
            throw UsageError{"CATEGORY must be 0 or 2.." + std::to_string(doc->NumCats - 1) + ", got " +
                             std::to_string(cat)};
        const int fields = doc->CatFields[static_cast<std::size_t>(cat)];
        if (fld < 0 || fld >= fields)
            throw UsageError{"FIELD must be 0.." + std::to_string(fields - 1) + " in category " + std::to_string(cat) +
                             ", got " + std::to_string(fld)};

        std::mt19937 rng(seed ? *seed : std::random_device{}());
        std::uniform_real_distribution<double> uniform(0.0, 1.0);
        ListingSpec spec;
        spec.Cat = cat;
        spec.Fld = fld;
        spec.Order = OrderField(*doc, cat, fld, mode, [&] { return uniform(rng); });
        spec.Display = display;
        spec.Header = header ? *header : DefaultHeader(fld);
        if (pdf || print) {
            if (!RegisteredPrinter()) {
                m_err << "markroll-cli order: this build of markroll-cli cannot print\n";
                return CliFileError;
            }
            if (const auto error = RegisteredPrinter()(*doc, spec, pdf.value_or(std::string()))) {
                m_err << "markroll-cli order: " << *error << "\n";
                return CliFileError;
            }
            return CliOk;
        }
        for (const std::string& line : ListingLines(*doc, cat, fld, spec.Order, display, spec.Header))
            m_out << ToUtf8(line) << "\n";
        return CliOk;
    }

    int Student(const std::vector<std::string>& args) {
        if (args.empty())
            throw UsageError{"expected insert, append, delete, switch or sort"};
        const std::string sub = args[0];
        const Operation op = ParseOperation({args.begin() + 1, args.end()});
        const std::size_t wanted = sub == "insert" || sub == "delete" ? 2 : sub == "switch" ? 3 : 1;
        if (sub != "insert" && sub != "append" && sub != "delete" && sub != "switch" && sub != "sort")
            throw UsageError{"unknown student operation '" + sub + "'"};
        if (op.operands.size() != wanted)
            throw UsageError{"student " + sub + " takes " + std::to_string(wanted) + " argument(s) before its options"};
        if ((op.id || op.name) && (sub != "insert" && sub != "append"))
            throw UsageError{"--id and --name go with insert and append"};
        const std::string& file = op.operands[0];
        std::vector<std::string> numbers;
        for (std::size_t i = 1; i < op.operands.size(); ++i)
            numbers.push_back(NumberArg("the student number", op.operands[i]));
        const std::string countText = op.count ? NumberArg("--count", *op.count) : "1";
        const std::string id = op.id ? CodePageArg("--id", *op.id) : std::string();
        const std::string name = op.name ? CodePageArg("--name", *op.name) : std::string();

        auto doc = Load(file);
        if (!doc)
            return CliFileError;
        const int n = doc->NumStudents;
        const auto read = [](const std::string& text, int lo, int hi) {
            return std::clamp<int>(ReadInt16(text), lo, std::max(lo, hi));
        };
        if (sub == "insert" || sub == "append") {
            if (const auto limit = InsertLimit(*doc)) {
                m_err << *limit << "\n";
                return CliFileError;
            }
            const int count = read(countText, 1, MaxStudents - n);
            if ((op.id || op.name) && count != 1)
                throw UsageError{"--id and --name are for a single new student"};
            const int position = sub == "append" ? n + 1 : read(numbers[0], 1, n);
            const std::string text = sub == "append" ? AppendText(*doc, count) : InsertText(*doc, position, count);
            InsertStudents(*doc, position, count, op.id || op.name ? NewStudentRow(id, name) : std::string());
            return Confirm(op, file, *doc, text);
        }
        if (sub == "delete") {
            if (n < 2) {
                m_err << "A markroll keeps at least one student\n";
                return CliFileError;
            }
            const int start = read(numbers[0], 1, n);
            const int count = read(countText, 1, DeleteLimit(*doc, start));
            const std::string text = DeleteText(*doc, start, count);
            DeleteStudents(*doc, start, count);
            return Confirm(op, file, *doc, text);
        }
        if (sub == "switch") {
            const int a = read(numbers[0], 1, n);
            const int b = read(numbers[1], 1, n);
            const std::string text = SwitchText(*doc, a, b);
            SwitchStudents(*doc, a, b);
            return Confirm(op, file, *doc, text);
        }
        AlphaStudents(*doc);
        return Confirm(op, file, *doc, AlphaText);
    }

    int GradeTable(const std::vector<std::string>& args) {
        std::vector<std::string> rest;
        std::optional<std::string> set;
        for (std::size_t i = 0; i < args.size(); ++i) {
            if (args[i] == "--set")
                set = Value(args, i);
            else
                rest.push_back(args[i]);
        }
        const Operation op = ParseOperation(rest);
        if (op.operands.size() != 1 || op.count || op.id || op.name)
            throw UsageError{"expected FILE"};
        std::vector<GradeLevelText> levels;
        if (set) {
            std::size_t start = 0;
            while (start <= set->size()) {
                const std::size_t comma = std::min(set->find(',', start), set->size());
                const std::string item = set->substr(start, comma - start);
                const std::size_t colon = item.rfind(':');
                if (colon == std::string::npos)
                    throw UsageError{"--set takes LETTER:MIN items, got '" + item + "'"};
                levels.push_back(
                    {CommitGradeLetter(CodePageArg("a letter", item.substr(0, colon))), item.substr(colon + 1)});
                start = comma + 1;
            }
            if (levels.size() > static_cast<std::size_t>(MaxGrades))
                throw UsageError{"at most " + std::to_string(MaxGrades) + " grade levels"};
        }
        auto doc = Load(op.operands[0]);
        if (!doc)
            return CliFileError;
        if (set)
            AcceptGradeTable(*doc, levels);
        std::string table;
        for (int k = 1; k <= doc->LastGrade && static_cast<std::size_t>(k) < doc->GradeLetter.size(); ++k)
            table += doc->GradeLetter[static_cast<std::size_t>(k)] + "\t" +
                     NumTextTrim(doc->GradeMin[static_cast<std::size_t>(k)]) + (k < doc->LastGrade ? "\n" : "");
        if (!set) {
            m_out << ToUtf8(table) << "\n";
            return CliOk;
        }
        return Confirm(op, op.operands[0], *doc, table);
    }

    int Adjust(const std::vector<std::string>& args) {
        const Operation op = ParseOperation(args);
        if (op.operands.size() != 2 || op.count || op.id || op.name)
            throw UsageError{"expected FILE POINTS"};
        const std::string points = NumberArg("POINTS", op.operands[1]);
        auto doc = Load(op.operands[0]);
        if (!doc)
            return CliFileError;
        const int p = std::clamp<int>(ReadInt16(points), 0, 999);
        SetAdjustmentPoints(*doc, p);
        return Confirm(op, op.operands[0], *doc, AdjustText(p));
    }
};

} // namespace

void SetListingPrinter(ListingPrinter printer) {
    RegisteredPrinter() = std::move(printer);
}

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    return Cli(out, err).Run(args);
}

} // namespace markroll
