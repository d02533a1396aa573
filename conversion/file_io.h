// Loading the input program and saving the output without ever
// overwriting a file or leaving a half-written one behind.
#pragma once

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace torvel {

// A file that cannot be read or written; the message names the file and
// the reason.
class TFileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The whole file as it stands.
std::string LoadText(const std::string& path);

// Receives the bytes of the output, in order; throws TFileError on failure.
using TWriteChunk = std::function<void(std::string_view)>;
// Produces the whole output through `write`.
using TProduce = std::function<void(const TWriteChunk& write)>;

// Writes a temporary file in the destination folder and links it into
// place only if no file of that name exists by then. On any failure neither
// the output nor the temporary file is left, and TFileError is thrown.
void SaveNoClobber(const std::string& path, const TProduce& produce);

bool FileExists(const std::string& path);

}  // namespace torvel
