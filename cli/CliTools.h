#pragma once

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "CliCommands.h"
#include "document/CodePage.h"
#include "document/Document.h"
#include "document/FileError.h"
#include "document/MarkrollFile.h"
#include "document/TextNumber.h"

namespace markroll {

// What every command of markroll-cli shares: loading and writing files, reading number arguments, the options
// of the operation commands, and the confirmation text printed before a change is written.

/// A malformed command line; the message says what is wrong and the command ends with status 2.
struct UsageError {
    std::string message;
};

/// The file name that stands for standard output.
inline const std::string StdOut = "-";

class CliTools {
public:
    CliTools(std::ostream& out, std::ostream& err) : m_out(out), m_err(err) {}

    int Fail(const std::string& file, const FileError& e) {
        m_err << (file == StdOut ? "standard output" : file) << ":";
        if (e.line > 0)
            m_err << e.line << ":";
        m_err << " error " << e.number << ": " << (e.detail.empty() ? ErrorDescription(e.number) : e.detail) << "\n";
        return CliFileError;
    }

    // Loads file, or reports why it cannot be loaded.
    std::optional<Document> Load(const std::string& file) {
        Document doc;
        if (auto e = LoadMarkroll(file, doc)) {
            Fail(file, *e);
            return std::nullopt;
        }
        return doc;
    }

    // Writes the markroll to out, "-" meaning standard output; true when it was written.
    bool Write(const std::string& out, const Document& doc) {
        if (out == StdOut) {
            m_out << SerializeMarkroll(doc);
            return true;
        }
        if (auto e = SaveMarkroll(out, doc)) {
            Fail(out, *e);
            return false;
        }
        return true;
    }

    // A number as a script writes it: an optional sign, digits and at most one decimal point.
    static bool IsNumber(std::string_view text) {
        while (!text.empty() && text.front() == ' ')
            text.remove_prefix(1);
        while (!text.empty() && text.back() == ' ')
            text.remove_suffix(1);
        if (!text.empty() && (text.front() == '-' || text.front() == '+'))
            text.remove_prefix(1);
        bool digits = false;
        bool point = false;
        for (char ch : text) {
            if (ch >= '0' && ch <= '9')
                digits = true;
            else if (ch == '.' && !point)
                point = true;
            else
                return false;
        }
        return digits;
    }

    static void RequireNumber(const std::string& what, const std::string& text) {
        if (!IsNumber(text))
            throw UsageError{what + " must be a number, got '" + text + "'"};
    }

    // Says on standard error how a typed number was corrected into its range.
    void NoteCorrection(const std::string& what, const std::string& typed, int used, int low, int high) {
        const double value = TextValue(typed);
        const std::string shown = NumTextTrim(value);
        if (value < low)
            m_err << what << " " << shown << " is below " << low << ", using " << used << "\n";
        else if (value > high)
            m_err << what << " " << shown << " is above " << high << ", using " << used << "\n";
        else if (value != used)
            m_err << what << " " << shown << " is not a whole number, using " << used << "\n";
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

    // A whole number for an argument, or a usage error naming it.
    static int WholeNumber(const std::string& what, const std::string& text) {
        if (!IsNumber(text) || text.find('.') != std::string::npos)
            throw UsageError{what + " must be a whole number, got '" + text + "'"};
        return static_cast<int>(ClampToInt16(TextValue(text)));
    }

    // The options the operation commands share: the number arguments, --count, --id, --name, -o and --dry-run.
    struct Operation {
        std::vector<std::string> operands;
        std::optional<std::string> count, id, name, out;
        bool dryRun = false;
    };

    static Operation ParseOperation(const std::vector<std::string>& args) {
        Operation op;
        for (std::size_t i = 0; i < args.size(); ++i) {
            const std::string& a = args[i];
            if (a == "--count")
                op.count = Value(args, i);
            else if (a == "--id")
                op.id = Value(args, i);
            else if (a == "--name")
                op.name = Value(args, i);
            else if (a == "-o" || a == "--output") {
                op.out = Value(args, i);
                if (op.out->empty())
                    throw UsageError{"option " + a + " needs a file name"};
            } else if (a == "--dry-run")
                op.dryRun = true;
            else if (IsNumber(a) || (RejectOption(a), true))
                op.operands.push_back(a);
        }
        return op;
    }

    static std::string NumberArg(const std::string& what, const std::string& text) {
        RequireNumber(what, text);
        return text;
    }

    static std::string CodePageArg(const std::string& what, const std::string& text) {
        const auto bytes = FromUtf8(text);
        if (!bytes)
            throw UsageError{what + " holds a character a markroll file cannot store"};
        return *bytes;
    }

    // Prints the confirmation and, unless it is a dry run, writes the changed document.
    int Confirm(const Operation& op, const std::string& file, const Document& doc, const std::string& text) {
        m_out << ToUtf8(text) << "\n";
        if (op.dryRun)
            return CliOk;
        return Write(op.out.value_or(file), doc) ? CliOk : CliFileError;
    }

    std::ostream& m_out;
    std::ostream& m_err;
};

/// The command groups that live in files of their own; each returns a CliStatus and throws UsageError.
int CategoryCommand(CliTools& cli, const std::vector<std::string>& args);
int FieldCommand(CliTools& cli, const std::vector<std::string>& args);
int PrintCommand(CliTools& cli, const std::vector<std::string>& args);
extern const char* const CategoryHelp;
extern const char* const FieldHelp;
extern const char* const PrintHelp;
int ExportCommand(CliTools& cli, const std::vector<std::string>& args);
int ImportCommand(CliTools& cli, const std::vector<std::string>& args);
int StatsCommand(CliTools& cli, const std::vector<std::string>& args);
extern const char* const ExportHelp;
extern const char* const ImportHelp;
extern const char* const StatsHelp;

} // namespace markroll
