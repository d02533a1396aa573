#include <unistd.h>

#include <iostream>

#include "cli/cli.h"

int main(int argc, char** argv) {
  return torvel::RunCli(std::vector<std::string>(argv, argv + argc), std::cout, std::cerr,
                        isatty(STDERR_FILENO) != 0);
}
