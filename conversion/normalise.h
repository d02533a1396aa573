// Rewrites the loaded lines in place before any is converted: a blank after
// every number that runs into a letter, and the modal motion word in front
// of lines that hold coordinates but no G word.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace torvel {

// First pass on one line: one blank between a digit or "." and a letter.
std::string SeparateWords(std::string_view line);
void SeparateWords(std::string_view line, std::string& out);

// Second pass state: the motion word carried to lines without a G word.
struct TMotionCarry {
  std::string carriedGCode = "G00";
  std::string scratch;  // reused for rewritten lines
};

// Second pass on one line (already through the first pass).
void CarryMotion(std::string& line, TMotionCarry& carry);

void NormaliseLines(std::vector<std::string>& lines);

// The line with every comment character replaced by a blank: "(" to the
// next ")" (or the end of the line) and ";" outside parentheses to the end.
std::string MaskComments(std::string_view line);

}  // namespace torvel
