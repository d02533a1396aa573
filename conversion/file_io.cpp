#include "conversion/file_io.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>
#include <system_error>

namespace torvel {

namespace fs = std::filesystem;

namespace {

std::string Reason(int err) { return std::strerror(err); }

class TFileCloser {
 public:
  explicit TFileCloser(std::FILE* f) : f_(f) {}
  ~TFileCloser() {
    if (f_) std::fclose(f_);
  }
  std::FILE* get() const { return f_; }
  int Close() {
    const int r = std::fclose(f_);
    f_ = nullptr;
    return r;
  }

 private:
  std::FILE* f_;
};

}  // namespace

std::string LoadText(const std::string& path) {
  std::error_code ec;
  if (fs::is_directory(path, ec)) {
    throw TFileError("Cannot read \"" + path + "\": it is a folder, not a file");
  }
  std::FILE* raw = std::fopen(path.c_str(), "rb");
  if (!raw) throw TFileError("Cannot read \"" + path + "\": " + Reason(errno));
  TFileCloser file(raw);
  std::string text;
  const auto size = fs::file_size(path, ec);
  if (!ec) text.reserve(static_cast<std::size_t>(size) + 1);
  std::string chunk(std::size_t{1} << 16, '\0');
  for (;;) {
    const std::size_t n = std::fread(chunk.data(), 1, chunk.size(), file.get());
    text.append(chunk.data(), n);
    if (n < chunk.size()) {
      if (std::ferror(file.get())) {
        throw TFileError("Cannot read \"" + path + "\": " + Reason(errno));
      }
      break;
    }
    if (chunk.size() < (std::size_t{1} << 22)) chunk.resize(chunk.size() * 2);
  }
  return text;
}

bool FileExists(const std::string& path) {
  std::error_code ec;
  return fs::exists(fs::path(path), ec);
}

void SaveNoClobber(const std::string& path, const TProduce& produce) {
  const fs::path target(path);
  std::error_code ec;
  if (fs::exists(target, ec)) {
    throw TFileError("Cannot write \"" + path + "\": a file of that name already exists");
  }
  fs::path folder = target.parent_path();
  if (folder.empty()) folder = ".";
  if (!fs::is_directory(folder, ec)) {
    throw TFileError("Cannot write \"" + path + "\": the folder \"" + folder.string() +
                     "\" does not exist");
  }

  // A unique temporary name beside the target, created exclusively.
  std::random_device rd;
  std::mt19937_64 rng((static_cast<std::uint64_t>(rd()) << 32) ^ rd());
  fs::path temp;
  std::FILE* raw = nullptr;
  for (int attempt = 0; attempt < 100 && !raw; ++attempt) {
    char suffix[32];
    std::snprintf(suffix, sizeof suffix, ".torvel-%016llx.tmp",
                  static_cast<unsigned long long>(rng()));
    temp = folder / (target.filename().string() + suffix);
    raw = std::fopen(temp.c_str(), "wbx");
    if (!raw && errno != EEXIST) break;
  }
  if (!raw) throw TFileError("Cannot write \"" + path + "\": " + Reason(errno));
  TFileCloser file(raw);

  auto fail = [&](const std::string& reason) {
    if (file.get()) file.Close();
    std::error_code ignored;
    fs::remove(temp, ignored);
    throw TFileError("Cannot write \"" + path + "\": " + reason);
  };

  try {
    produce([&](std::string_view chunk) {
      if (chunk.empty()) return;
      if (std::fwrite(chunk.data(), 1, chunk.size(), file.get()) != chunk.size()) {
        throw TFileError(Reason(errno));
      }
    });
  } catch (const TFileError& e) {
    fail(e.what());
  } catch (...) {
    std::error_code ignored;
    file.Close();
    fs::remove(temp, ignored);
    throw;
  }
  if (std::fflush(file.get()) != 0) fail(Reason(errno));
  if (file.Close() != 0) fail(Reason(errno));

  // A hard link never replaces an existing file: the no-clobber move.
  fs::create_hard_link(temp, target, ec);
  if (ec == std::errc::operation_not_supported || ec == std::errc::function_not_supported ||
      ec == std::errc::operation_not_permitted) {
    // File systems without hard links: check once more, then rename.
    std::error_code existsEc;
    if (fs::exists(target, existsEc)) {
      ec = std::make_error_code(std::errc::file_exists);
    } else {
      ec.clear();
      fs::rename(temp, target, ec);
      if (!ec) return;
    }
  }
  if (ec) {
    std::error_code ignored;
    fs::remove(temp, ignored);
    if (ec == std::errc::file_exists) {
      throw TFileError("Cannot write \"" + path + "\": a file of that name already exists");
    }
    throw TFileError("Cannot write \"" + path + "\": " + ec.message());
  }
  fs::remove(temp, ec);
}

}  // namespace torvel
