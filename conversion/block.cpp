#include "conversion/block.h"

namespace torvel {

void TBlock::TrimRest() {
  while (pos_ < text_.size() && static_cast<unsigned char>(text_[pos_]) <= 32) ++pos_;
  while (text_.size() > pos_ && static_cast<unsigned char>(text_.back()) <= 32) text_.pop_back();
  if (pos_ >= text_.size()) ClearRest();
}

void TBlock::SkipPast(char c) {
  const std::size_t at = text_.find(c, pos_);
  if (at != std::string::npos) pos_ = at + 1;
}

void TBlock::UpperRest() {
  if (upper_) return;
  char* p = text_.data() + pos_;
  char* const end = text_.data() + text_.size();
  for (; p < end; ++p) *p = static_cast<char>(*p - ((*p >= 'a' && *p <= 'z') ? 32 : 0));
  upper_ = true;
}

double TBlock::TakeWord(char letter) {
  SkipPast(letter);
  AppendBlank();
  return TakeNumber();
}

// FirstToken(rest, " ") then TextAfter(rest, " "), finding the blank once.
double TBlock::TakeNumber() {
  std::size_t start = pos_;
  while (start < text_.size() && text_[start] == ' ') ++start;
  const std::size_t blank = text_.find(' ', start);
  const double value =
      blank == std::string::npos
          ? ParseNumber(std::string_view(), 0.0)
          : ParseNumber(std::string_view(text_).substr(start, blank - start), 0.0);
  if (start > pos_) {
    pos_ += 1;  // the rest began with a blank: only that one is passed
  } else if (blank != std::string::npos) {
    pos_ = blank + 1;
  }
  return value;
}

}  // namespace torvel
