#include "CliCommands.h"

#include <sys/stat.h>

#include <algorithm>
#include <map>
#include <optional>

#include "calc/CatCaption.h"
#include "calc/Grades.h"
#include "calc/Recalc.h"
#include "document/MarkrollFile.h"
#include "document/NewDocument.h"

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

Run 'markroll-cli COMMAND --help' for the options of a command.
Exit status: 0 success, 1 file or data error, 2 usage error.
)";

const std::map<std::string, std::string> CommandHelp = {
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
)"},
    {"info", R"(Usage: markroll-cli info FILE

Prints the counts line (NumStudents,NumCats,LastInfo,LastGrade), then the caption of every category.
)"},
    {"recalc", R"(Usage: markroll-cli recalc FILE [-o OUT]

Recomputes the totals and class averages of every user category in order, then the summary, and writes
the result to OUT, or back to FILE.
)"},
    {"grade", R"(Usage: markroll-cli grade [--clear] FILE [-o OUT]

Assigns every student the letter grade of the file's grade table from the adjusted total (TOT), or with
--clear blanks every grade, and writes the result to OUT, or back to FILE.
)"},
    {"check", R"(Usage: markroll-cli check FILE

Loads FILE and prints "ok", or reports the first error with its line number.
)"},
};

struct UsageError {
    std::string message;
};

class Cli {
public:
    Cli(std::ostream& out, std::ostream& err) : m_out(out), m_err(err) {}

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
        try {
            if (cmd == "new")
                return New(rest);
            if (cmd == "info")
                return Info(rest);
            if (cmd == "recalc")
                return Rewrite(rest, false);
            if (cmd == "grade")
                return Rewrite(rest, true);
            return Check(rest);
        } catch (const UsageError& e) {
            m_err << "markroll-cli " << cmd << ": " << e.message << "\n"
                  << "Try 'markroll-cli " << cmd << " --help'.\n";
            return CliUsageError;
        }
    }

private:
    int Usage(const std::string& message) {
        m_err << "markroll-cli: " << message << "\nTry 'markroll-cli --help'.\n";
        return CliUsageError;
    }

    int Fail(const std::string& file, const FileError& e) {
        m_err << file << ":";
        if (e.line > 0)
            m_err << e.line << ":";
        m_err << " error " << e.number << ": " << ErrorDescription(e.number) << "\n";
        return CliFileError;
    }

    static std::string Value(const std::vector<std::string>& args, std::size_t& i) {
        if (i + 1 >= args.size())
            throw UsageError{"option " + args[i] + " needs a value"};
        return args[++i];
    }

    static void RejectOption(const std::string& a) {
        if (a.size() > 1 && a[0] == '-')
            throw UsageError{"unknown option '" + a + "'"};
    }

    // The file operand and the optional -o OUT of recalc and grade.
    struct InOut {
        std::string in;
        std::string out;
        bool clear = false;
    };

    static InOut ParseInOut(const std::vector<std::string>& args, bool allowClear) {
        InOut io;
        for (std::size_t i = 0; i < args.size(); ++i) {
            const std::string& a = args[i];
            if (a == "-o" || a == "--output")
                io.out = Value(args, i);
            else if (allowClear && a == "--clear")
                io.clear = true;
            else if (RejectOption(a), io.in.empty())
                io.in = a;
            else
                throw UsageError{"unexpected argument '" + a + "'"};
        }
        if (io.in.empty())
            throw UsageError{"missing FILE"};
        if (io.out.empty())
            io.out = io.in;
        return io;
    }

    static std::string OneFile(const std::vector<std::string>& args) {
        if (args.size() != 1)
            throw UsageError{args.empty() ? "missing FILE" : "expected exactly one FILE"};
        RejectOption(args[0]);
        return args[0];
    }

    static PlanRow ParseCategory(const std::string& spec) {
        // The name may itself hold colons: the last three colons separate the numbers.
        std::size_t c3 = spec.rfind(':');
        std::size_t c2 = c3 == std::string::npos || c3 == 0 ? std::string::npos : spec.rfind(':', c3 - 1);
        std::size_t c1 = c2 == std::string::npos || c2 == 0 ? std::string::npos : spec.rfind(':', c2 - 1);
        if (c1 == std::string::npos)
            throw UsageError{"--category needs NAME:WEIGHT:FIELDS:LENGTH, got '" + spec + "'"};
        return CommitPlanRow(spec.substr(0, c1), spec.substr(c1 + 1, c2 - c1 - 1), spec.substr(c2 + 1, c3 - c2 - 1),
                             spec.substr(c3 + 1));
    }

    int New(const std::vector<std::string>& args) {
        std::optional<std::string> students;
        std::optional<std::string> from;
        std::vector<PlanRow> rows;
        std::string out;
        bool force = false;
        for (std::size_t i = 0; i < args.size(); ++i) {
            const std::string& a = args[i];
            if (a == "--students")
                students = Value(args, i);
            else if (a == "--category")
                rows.push_back(ParseCategory(Value(args, i)));
            else if (a == "--from")
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
        if (rows.size() > static_cast<std::size_t>(MaxCats - 2))
            throw UsageError{"at most " + std::to_string(MaxCats - 2) + " categories"};

        Document doc;
        if (from) {
            if (auto e = LoadMarkroll(*from, doc))
                return Fail(*from, *e);
        }
        CategoryPlan plan = Initialize(doc, from.has_value());
        if (!rows.empty())
            RedoCats(plan, rows);
        // The student box shows the plan's count until the teacher types another.
        plan.PlanStudents = ReadStudentCount(students ? *students : PlanNumberText(plan.PlanStudents));
        plan.PlanCats = static_cast<std::int16_t>(std::clamp<int>(plan.PlanCats, 3, MaxCats));

        struct stat st {};
        if (!force && ::lstat(out.c_str(), &st) == 0) {
            m_err << out << ": file exists (use --force to overwrite)\n";
            return CliFileError;
        }
        CreateDocument(doc, plan);
        if (auto e = SaveMarkroll(out, doc))
            return Fail(out, *e);
        return CliOk;
    }

    int Info(const std::vector<std::string>& args) {
        const std::string file = OneFile(args);
        Document doc;
        if (auto e = LoadMarkroll(file, doc))
            return Fail(file, *e);
        m_out << doc.NumStudents << "," << doc.NumCats << "," << doc.LastInfo << "," << doc.LastGrade << "\n";
        for (int c = 0; c < doc.NumCats; ++c) {
            const auto k = static_cast<std::size_t>(c);
            m_out << CatCaption(c, doc.CatName[k], doc.CatWeight[k], doc.CatFields[k]) << "\n";
        }
        return CliOk;
    }

    int Rewrite(const std::vector<std::string>& args, bool grade) {
        const InOut io = ParseInOut(args, grade);
        Document doc;
        if (auto e = LoadMarkroll(io.in, doc))
            return Fail(io.in, *e);
        if (grade)
            AssignGrades(doc, io.clear);
        else
            RecalcAll(doc);
        if (auto e = SaveMarkroll(io.out, doc))
            return Fail(io.out, *e);
        return CliOk;
    }

    int Check(const std::vector<std::string>& args) {
        const std::string file = OneFile(args);
        Document doc;
        if (auto e = LoadMarkroll(file, doc))
            return Fail(file, *e);
        m_out << "ok\n";
        return CliOk;
    }

    std::ostream& m_out;
    std::ostream& m_err;
};

} // namespace

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    return Cli(out, err).Run(args);
}

} // namespace markroll
