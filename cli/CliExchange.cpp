#include "CliTools.h"

namespace markroll {

const char* const ExportHelp = "Usage: markroll-cli export FILE [--category N] [-o OUT.csv]\n";
const char* const ImportHelp = "Usage: markroll-cli import-students FILE ROSTER [-o OUT] [--dry-run]\n";
const char* const StatsHelp = "Usage: markroll-cli stats FILE [--category N]\n";

int ExportCommand(CliTools&, const std::vector<std::string>&) {
    throw UsageError{"export is not available yet"};
}

int ImportCommand(CliTools&, const std::vector<std::string>&) {
    throw UsageError{"import-students is not available yet"};
}

int StatsCommand(CliTools&, const std::vector<std::string>&) {
    throw UsageError{"stats is not available yet"};
}

} // namespace markroll
