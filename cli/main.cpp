#include <csignal>
#include <iostream>

#include "CliCommands.h"

int main(int argc, char** argv) {
    // Past a size limit on files a write fails with an error we report, instead of a signal that ends the
    // program and leaves a temporary file behind.
    std::signal(SIGXFSZ, SIG_IGN);
    std::vector<std::string> args(argv + 1, argv + argc);
    return markroll::RunCli(args, std::cout, std::cerr);
}
