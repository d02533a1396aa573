#include "conversion/normalise.h"

#include "conversion/text.h"

namespace torvel {
namespace {

bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A token "G" + number text that starts with a digit and reads as 0 to 3.
bool IsMotionWord(std::string_view token) {
  if (token.size() < 2 || token[0] != 'G' || !IsDigit(token[1])) return false;
  const std::int32_t n = TruncToInt(ParseNumber(token.substr(1), 0.0));
  return n >= 0 && n <= 3;
}

}  // namespace

std::string SeparateWords(std::string_view line) {
  if (line.size() < 2) return std::string(line);
  std::string out;
  out.reserve(line.size() + 8);
  for (std::size_t j = 0; j + 1 < line.size(); ++j) {
    const char c = line[j];
    out += c;
    if ((IsDigit(c) || c == '.') && IsLetter(line[j + 1])) out += ' ';
  }
  out += line.back();
  return out;
}

std::string MaskComments(std::string_view line) {
  std::string masked(line);
  std::size_t i = 0;
  while (i < masked.size()) {
    if (masked[i] == '(') {
      while (i < masked.size() && masked[i] != ')') masked[i++] = ' ';
      if (i < masked.size()) masked[i++] = ' ';
    } else if (masked[i] == ';') {
      while (i < masked.size()) masked[i++] = ' ';
    } else {
      ++i;
    }
  }
  return masked;
}

void CarryMotion(std::string& line, TMotionCarry& carry) {
  const std::string upper = UpperCase(line);
  const std::string masked = MaskComments(upper);
  if (masked.find('G') != std::string::npos) {
    // The last motion word outside comments becomes the carried motion.
    std::string_view rest = masked;
    while (!rest.empty()) {
      const std::size_t start = rest.find_first_not_of(' ');
      if (start == std::string_view::npos) break;
      rest.remove_prefix(start);
      const std::size_t end = rest.find(' ');
      const std::string_view token = rest.substr(0, end);
      if (IsMotionWord(token)) carry.carriedGCode = std::string(token);
      if (end == std::string_view::npos) break;
      rest.remove_prefix(end);
    }
    return;
  }
  if (masked.find_first_of("XYZ") == std::string::npos) return;

  std::string blockNumberText;
  std::string_view u = upper;
  const std::size_t n = masked.find('N');
  if (n != std::string::npos) {
    const std::string_view after = u.substr(n + 1);
    blockNumberText.assign(u.substr(0, n));
    blockNumberText += 'N';
    blockNumberText += FirstToken(after, ' ');
    u = TextAfter(after, ' ');
  }
  std::string rewritten;
  rewritten.reserve(blockNumberText.size() + carry.carriedGCode.size() + u.size() + 2);
  rewritten += blockNumberText;
  rewritten += ' ';
  rewritten += carry.carriedGCode;
  rewritten += ' ';
  rewritten += u;
  line.swap(rewritten);
}

void NormaliseLines(std::vector<std::string>& lines) {
  for (std::string& line : lines) line = SeparateWords(line);
  TMotionCarry carry;
  for (std::string& line : lines) CarryMotion(line, carry);
}

}  // namespace torvel
