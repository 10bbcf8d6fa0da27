#include <csignal>
#include <iostream>

#include "CliCommands.h"
#ifdef MARKROLL_CLI_PRINTING
#include "CliPrint.h"
#endif

int main(int argc, char** argv) {
    // Past a size limit on files a write fails with an error we report, instead of a signal that ends the
    // program and leaves a temporary file behind.
    std::signal(SIGXFSZ, SIG_IGN);
#ifdef MARKROLL_CLI_PRINTING
    const markroll::PrintingSupport printing(argc, argv);
#endif
    std::vector<std::string> args(argv + 1, argv + argc);
    return markroll::RunCli(args, std::cout, std::cerr);
}
