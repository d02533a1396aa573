// The command-line tool as a function, so tests can run it in-process.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace torvel {

// Exit statuses.
constexpr int kExitFinished = 0;
constexpr int kExitFileError = 1;
constexpr int kExitRefused = 2;
constexpr int kExitUnknownCodes = 3;

// args[0] is the program name. `errIsTerminal` turns on the progress display.
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
           bool errIsTerminal = false);

}  // namespace torvel
