#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace markroll {

/// Exit statuses of markroll-cli.
enum CliStatus : int { CliOk = 0, CliFileError = 1, CliUsageError = 2 };

/// Runs markroll-cli with its arguments (without the program name); output and errors go to out and err.
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace markroll
