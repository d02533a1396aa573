#include "conversion/output_spool.h"

#include <cerrno>
#include <cstring>

namespace torvel {

TOutputSpool::~TOutputSpool() { Clear(); }

void TOutputSpool::Clear() {
  if (file_) std::fclose(file_);  // an anonymous file: closing deletes it
  file_ = nullptr;
  std::string().swap(buffer_);
}

void TOutputSpool::Spill() {
  if (!file_) {
    file_ = std::tmpfile();
    if (!file_) {
      throw TFileError(std::string("Cannot write a temporary file: ") + std::strerror(errno));
    }
  }
  if (std::fwrite(buffer_.data(), 1, buffer_.size(), file_) != buffer_.size()) {
    throw TFileError(std::string("Cannot write a temporary file: ") + std::strerror(errno));
  }
  buffer_.clear();
}

void TOutputSpool::Replay(const TWriteChunk& write) {
  if (file_) {
    if (std::fflush(file_) != 0 || std::fseek(file_, 0, SEEK_SET) != 0) {
      throw TFileError(std::string("Cannot read a temporary file: ") + std::strerror(errno));
    }
    std::string chunk(std::size_t{1} << 20, '\0');
    for (;;) {
      const std::size_t n = std::fread(chunk.data(), 1, chunk.size(), file_);
      if (n > 0) write(std::string_view(chunk.data(), n));
      if (n < chunk.size()) {
        if (std::ferror(file_)) {
          throw TFileError(std::string("Cannot read a temporary file: ") + std::strerror(errno));
        }
        break;
      }
    }
    std::fseek(file_, 0, SEEK_END);
  }
  write(buffer_);
}

std::string TOutputSpool::TakeText() {
  std::string text;
  Replay([&](std::string_view chunk) { text += chunk; });
  Clear();
  return text;
}

}  // namespace torvel
