// Holds the converted blocks while the run goes on: in memory up to a
// limit, then in an anonymous temporary file, so memory does not grow with
// the size of the output. The header goes in front when the file is saved.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

#include "conversion/file_io.h"

namespace torvel {

class TOutputSpool {
 public:
  explicit TOutputSpool(std::size_t memoryLimit = std::size_t{4} << 20)
      : memoryLimit_(memoryLimit) {}
  ~TOutputSpool();
  TOutputSpool(const TOutputSpool&) = delete;
  TOutputSpool& operator=(const TOutputSpool&) = delete;

  void Append(std::string_view text) {
    buffer_ += text;
    if (buffer_.size() >= memoryLimit_) Spill();
  }
  // Everything appended, in order, through `write`.
  void Replay(const TWriteChunk& write);
  std::string TakeText();  // for runs held in memory
  void Clear();

 private:
  void Spill();

  std::size_t memoryLimit_;
  std::string buffer_;
  std::FILE* file_ = nullptr;
};

}  // namespace torvel
