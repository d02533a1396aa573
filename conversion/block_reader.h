// Takes one input line apart into words and builds its output line.
#pragma once

#include <string>
#include <string_view>

#include "conversion/block.h"

namespace torvel {

// Reads `line` through the handlers. Leaves the trimmed output line in
// b.outputLine (empty when the line produced nothing).
void ReadBlock(TBlock& b, std::string_view line);

// Trims the finished output line in place.
void FinishOutputLine(TBlock& b);

// Position of the first ";" outside parentheses, or npos.
std::size_t FindSemicolonComment(std::string_view line);

}  // namespace torvel
