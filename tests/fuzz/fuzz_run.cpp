// libFuzzer target for the whole run: the bytes become the input file, a
// few leading bytes choose the settings, and the run goes through loading,
// normalisation, every handler and the save into a temporary folder.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "conversion/file_io.h"
#include "conversion/run.h"

namespace {

class TQuietHost : public torvel::TRunHost {
 public:
  void ShowWarning(const std::string&) override {}
  void SetStatus(const std::string&) override {}
  void Repaint(torvel::TRepaint) override {}
  void SetControlsEnabled(bool) override {}
  void ShowErrorReport(const std::string&) override {}
};

// Limits of at least 5 mm and 1 degree (or none that count) keep one run
// short enough to fuzz under coverage instrumentation, which slows the
// conversion a hundredfold; the count bound itself is tested elsewhere.
const char* const kLengths[] = {"10", "5", "45", "0", "-1", "", "abc", "1e5", "30", "20"};
const char* const kAngles[] = {"10", "5", "45", "0", "-1", "", "abc", "1", "30", "90"};
const char* const kHeights[] = {"0.0", "7.5", "20", "-5", "", "x", "0.0001", "100"};

std::filesystem::path Folder() {
  static const std::filesystem::path folder = [] {
    auto p = std::filesystem::temp_directory_path() /
             ("torvel-fuzz-" + std::to_string(::getpid()));
    std::filesystem::create_directories(p);
    return p;
  }();
  return folder;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 6) return 0;
  // Numbers of at most three digits in a row ("999.999"): an arc then has
  // at most some 2,000 segments, so no input takes minutes for the output
  // it asks for.
  std::size_t run = 0;
  for (std::size_t i = 6; i < size; ++i) {
    run = (data[i] >= '0' && data[i] <= '9') ? run + 1 : 0;
    if (run > 3) return 0;
  }
  torvel::RunSettings s;
  s.maxSegment = kLengths[data[0] % 10];
  s.maxAngle = kAngles[data[1] % 10];
  s.axisZ = kHeights[data[2] % 8];
  s.surfaceZ = kHeights[(data[2] / 8) % 8];
  s.outputAxisZ = kHeights[data[3] % 8];
  s.wrappedAxisIndex = static_cast<int>(data[4] % 3) - 1;
  s.rotaryAxisIndex = static_cast<int>(data[5] % 4) - 1;
  s.incrementalArcCentres = (data[4] & 0x80) != 0;

  const std::filesystem::path folder = Folder();
  s.inputFile = (folder / "in.nc").string();
  s.outputFile = (folder / "out.nc").string();
  {
    std::ofstream in(s.inputFile, std::ios::binary | std::ios::trunc);
    in.write(reinterpret_cast<const char*>(data + 6), static_cast<std::streamsize>(size - 6));
  }
  std::error_code ec;
  std::filesystem::remove(s.outputFile, ec);
  TQuietHost host;
  try {
    torvel::WrapRun(s, host);
  } catch (const torvel::TFileError&) {
  }
  std::filesystem::remove(s.outputFile, ec);
  return 0;
}
