#include "conversion/input_lines.h"

namespace torvel {

bool InputLines::Next(std::string& line, bool& inserted) {
  while (!pending_.empty()) {
    if (pending_.back()->Next(line)) {
      inserted = true;
      return true;
    }
    pending_.pop_back();
  }
  if (nextBase_ >= base_.size()) return false;
  // A loaded line is read once: hand it over and free its memory.
  line.swap(base_[nextBase_]);
  std::string().swap(base_[nextBase_]);
  ++nextBase_;
  inserted = false;
  return true;
}

void InputLines::InsertAfterCurrent(std::unique_ptr<TLineSource> source, std::size_t count) {
  inserted_ += count;
  pending_.push_back(std::move(source));
}

}  // namespace torvel
