#include <iostream>

#include "CliCommands.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    return markroll::RunCli(args, std::cout, std::cerr);
}
