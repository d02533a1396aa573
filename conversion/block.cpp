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
  for (std::size_t i = pos_; i < text_.size(); ++i) text_[i] = UpperChar(text_[i]);
  upper_ = true;
}

double TBlock::TakeWord(char letter) {
  SkipPast(letter);
  AppendBlank();
  const double value = ParseNumber(FirstToken(Rest(), ' '), 0.0);
  SkipPast(' ');
  return value;
}

}  // namespace torvel
