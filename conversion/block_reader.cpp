#include "conversion/block_reader.h"

#include "codes/handlers.h"

namespace torvel {

std::size_t FindSemicolonComment(std::string_view line) {
  bool inParentheses = false;
  for (std::size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (inParentheses) {
      if (c == ')') inParentheses = false;
    } else if (c == '(') {
      inParentheses = true;
    } else if (c == ';') {
      return i;
    }
  }
  return std::string_view::npos;
}

namespace {

void ReadComment(TBlock& b) {
  const std::string_view rest = b.Rest();
  const std::size_t close = rest.find(')');
  if (close == std::string_view::npos) {
    // An unclosed comment runs to the end of the line; close it for the machine.
    b.outputLine += TrimText(rest);
    b.outputLine += ')';
    b.ClearRest();
    return;
  }
  b.outputLine += rest.substr(0, close + 1);
  b.SkipPast(')');
  b.TrimRest();
}

void ReadWord(TBlock& b) {
  b.UpperRest();
  const char letter = UpperChar(b.FirstChar());
  b.wordLetter = letter;
  b.SkipPast(letter);
  b.wordValue = b.TakeNumber();
  ConversionState& s = b.state;
  switch (letter) {
    case 'D':
      b.outputLine += 'D';
      AppendGeneral(b.outputLine, b.wordValue);
      b.outputLine += ' ';
      break;
    case 'F': {
      const double rate = b.wordValue * (s.unitsAreInches ? 25.4 : 1.0);  // mm/min
      if (!UsableValue(b, 'F', rate)) break;
      s.feedRate = rate;
      b.outputLine += 'F';
      AppendGeneral(b.outputLine, s.feedRate);
      b.outputLine += ' ';
      if (s.feedRate > s.rapidFeedRate) s.rapidFeedRate = s.feedRate;
      break;
    }
    case 'G': GHandlerFor(TruncToInt(b.wordValue))(b); break;
    case 'M': HandleMWord(b); break;
    case 'N':
    case 'O':
    case 'P':
    case 'R':
    case 'S':
    case 'T': HandleOtherWord(b); break;
    default: break;  // other letters and characters are dropped
  }
}

}  // namespace

void ReadBlock(TBlock& b, std::string_view line) {
  b.outputLine.clear();
  // A ";" comment is cut off before the words are read and copied at the end.
  std::string_view semicolonComment;
  const std::size_t semicolon = FindSemicolonComment(line);
  if (semicolon != std::string_view::npos) {
    semicolonComment = line.substr(semicolon);
    while (!semicolonComment.empty() &&
           static_cast<unsigned char>(semicolonComment.back()) <= 32)
      semicolonComment.remove_suffix(1);
    line = line.substr(0, semicolon);
  }
  b.SetLine(line);
  while (!b.RestEmpty()) {
    b.TrimRest();
    b.AppendBlank();
    if (b.FirstChar() == '(') {
      ReadComment(b);
    } else {
      ReadWord(b);
    }
  }
  b.outputLine += semicolonComment;
  FinishOutputLine(b);
}

void FinishOutputLine(TBlock& b) {
  // Trim in place: the output line keeps its buffer from line to line.
  std::string& out = b.outputLine;
  std::size_t end = out.size();
  while (end > 0 && static_cast<unsigned char>(out[end - 1]) <= 32) --end;
  out.resize(end);
  std::size_t start = 0;
  while (start < out.size() && static_cast<unsigned char>(out[start]) <= 32) ++start;
  if (start > 0) out.erase(0, start);
}

}  // namespace torvel
