// What every handler receives while one input line is read: the unread rest
// of the line (`remainingText`), the output line being built and the word
// just cut off, with the run's state.
#pragma once

#include <string>
#include <string_view>

#include "conversion/input_lines.h"
#include "conversion/state.h"
#include "conversion/text.h"

namespace torvel {

struct TBlock {
  TBlock(ConversionState& s, ErrorList& e, InputLines& in) : state(s), errors(e), input(in) {}

  ConversionState& state;
  ErrorList& errors;
  InputLines& input;  // arcs insert their segment lines here

  std::string outputLine;
  char wordLetter = 0;
  double wordValue = 0.0;
  bool segmentLine = false;  // an arc's segment line: already millimetres

  // remainingText is text_[pos_, end). Consuming from the front moves pos_;
  // blanks are only ever trimmed from or appended at the end, so every
  // operation costs what it consumes.
  std::string_view Rest() const { return std::string_view(text_).substr(pos_); }
  bool RestEmpty() const { return pos_ >= text_.size(); }
  char FirstChar() const { return text_[pos_]; }
  bool RestStartsWith(std::string_view prefix) const {
    return Rest().substr(0, prefix.size()) == prefix;
  }

  void SetLine(std::string_view line) {
    text_.assign(line);
    pos_ = 0;
    upper_ = false;
  }
  // remainingText := TrimText(remainingText)
  void TrimRest();
  // remainingText := TextAfter(remainingText, c)
  void SkipPast(char c);
  // remainingText := remainingText + " "
  void AppendBlank() { text_.push_back(' '); }
  // Upper-cases the rest of the line (done once: what follows stays upper).
  void UpperRest();
  void ClearRest() {
    text_.clear();
    pos_ = 0;
  }

  // The word rule shared by moves, arcs and owned words: drop through the
  // letter, read the number up to the next blank, drop through that blank.
  double TakeWord(char letter);
  // The number up to the next blank, then past that blank: the second half
  // of reading a word once its letter is gone.
  double TakeNumber();

 private:
  std::string text_;
  std::size_t pos_ = 0;
  bool upper_ = false;
};

}  // namespace torvel
