#include "CliTools.h"

namespace markroll {

const char* const PrintHelp = R"(Usage: markroll-cli print FILE [--worksheets] [--categories LIST] [--landscape] [--id-width N]
                          [--name-width N] [--bg N] [--fg N] [--paper SIZE] (--pdf OUT.pdf | --print | --ops)

Not available in this build yet.
)";

int PrintCommand(CliTools&, const std::vector<std::string>&) {
    throw UsageError{"printing markroll sheets is not available yet"};
}

} // namespace markroll
