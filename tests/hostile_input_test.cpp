// Whatever the input, the run ends with a clear result: no crash, no hang,
// no "nan" or "inf" in the output, no half-written or overwritten file.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "conversion/file_io.h"
#include "test_support.h"

namespace torvel {
namespace {

namespace fs = std::filesystem;
using test::Entries;

bool HasNonNumber(const std::string& text) {
  for (const char* bad : {"nan", "NAN", "inf", "INF", "NaN", "Inf"})
    if (text.find(bad) != std::string::npos) return true;
  return false;
}

// 10^exponent written out in digits: G code has no exponent form, since
// "1E5" is the word 1 followed by the word E5.
std::string Big(int exponent) { return "1" + std::string(static_cast<std::size_t>(exponent), '0'); }

TEST(HostileInput, HugeAndOddNumbers) {
  struct Row {
    const char* name;
    std::string program;
    std::vector<std::string> body;
    std::vector<TErrorType> errors;
  };
  const Row rows[] = {
      {"an exponent is a word of its own", "G1 Y1E3\n", {"G1 X1.0000"}, {}},
      {"the largest double as digits", "G1 Y" + Big(308) + "\n", {"G1 X1E308"}, {}},
      {"inch value past the largest double", "G20\nG1 Y" + Big(308) + "\n",
       {"G21", "(Y out of range)\n G1"}, {etValueOutOfRange}},
      {"wrapped value past the largest double", "G1 X" + Big(308) + "\n",
       {"(X out of range)\n G1"}, {etValueOutOfRange}},
      {"digits past the largest double are no number", "G1 Y" + Big(400) + "\n",
       {"G1 X0.0000"}, {}},
      {"underflow is zero", "G1 Y0." + std::string(320, '0') + "1\n", {"G1 X0.0000"}, {}},
      {"inf and nan are no numbers", "G1 Yinf Znan\n", {"G1 X0.0000 Z0.0000"}, {}},
      {"inch feed past the largest double", "G20 F" + Big(308) + "\n",
       {"G21 \n(F out of range)"}, {etValueOutOfRange}},
      {"inch cutter radius past the largest double", "G20 G41 P" + Big(308) + "\n",
       {"G21 G41 \n(P out of range)"}, {etValueOutOfRange}},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    const TConversion c = ConvertText(r.program, test::ExampleSettings());
    EXPECT_FALSE(HasNonNumber(c.Text()));
    EXPECT_EQ(test::BodyLines(c.body), r.body);
    EXPECT_EQ(Entries(c.errors), r.errors);
  }
}

TEST(HostileInput, AThousandGWords) {
  std::string program;
  for (int i = 0; i < 1000; ++i) program += "G4 G17 G90 ";
  const TConversion c = ConvertText(program + "\n", test::ExampleSettings());
  EXPECT_EQ(c.body.size(), 1000u * 11 - 1 + 2);
}

TEST(HostileInput, SquaresThatOverflowStillGiveATime) {
  const std::string big = Big(200);
  const TConversion c = ConvertText(
      "G0 X0 Y0\nG1 Y" + big + " Z" + big + " F60\nG1 Y-" + big + "\n", test::ExampleSettings());
  EXPECT_FALSE(HasNonNumber(c.Text()));
  EXPECT_TRUE(std::isfinite(c.state.runningTime));
  EXPECT_GT(c.state.runningTime, 1e200);
  // A time past the largest double stays at the largest double.
  const TConversion d = ConvertText(
      "G0 Y0\nG1 Y" + Big(300) + " F0." + std::string(300, '0') + "1\n", test::ExampleSettings());
  EXPECT_EQ(d.state.runningTime, std::numeric_limits<double>::max());
  EXPECT_FALSE(HasNonNumber(d.Text()));
}

TEST(HostileInput, HugeArcsAndFeeds) {
  const TConversion c = ConvertText(
      "G0 X0 Y0 Z0\nG2 X" + Big(300) + " Y0 I" + Big(299) + " J0\nG2 X0 Y0 Z" + Big(308) +
          " I-" + Big(308) + " J0\nF0\nG1 X5\nG18\nG2 X10 Z0 I5 K0 F0." + std::string(300, '0') +
          "1\n",
      test::ExampleSettings());
  EXPECT_FALSE(HasNonNumber(c.Text()));
  EXPECT_TRUE(std::isfinite(c.state.runningTime));
}

TEST(HostileInput, LongLinesAndManyComments) {
  RunSettings s = test::ExampleSettings();
  {
    // One line of 10 MB: read in time linear in its length.
    std::string line;
    line.reserve(10'000'000);
    while (line.size() < 10'000'000) line += "G1 X1.5 (note) Y-2 M3 ";
    const TConversion c = ConvertText(line + "\n", s);
    EXPECT_EQ(test::BodyLines(c.body).size(), 1u);
  }
  {
    std::string many;
    for (int i = 0; i < 1'000'000; ++i) many += "(\n";
    const TConversion c = ConvertText(many, s);
    EXPECT_EQ(c.body.size(), 1'000'000u * 4);  // "()" and CR LF each
  }
}

TEST(HostileInput, RandomBytes) {
  std::mt19937 rng(7);
  for (int round = 0; round < 20; ++round) {
    std::string bytes(20000, '\0');
    for (char& c : bytes) {
      const int r = static_cast<int>(rng() % 100);
      c = r < 5 ? '\r' : r < 8 ? '\0' : r < 40 ? "GXYZIJKRFMNPST0123456789.-( );"[rng() % 30]
                                               : static_cast<char>(rng() % 256);
    }
    RunSettings s = test::ExampleSettings();
    s.maxSegment = "0.5";
    s.maxAngle = "5";
    const TConversion c = ConvertText(bytes, s);
    EXPECT_FALSE(HasNonNumber(c.Text()));
  }
}

// A run to files, with a hook on the status texts.
struct HookHost : test::RecordingHost {
  std::function<void(const std::string&)> onStatus;
  void SetStatus(const std::string& text) override {
    RecordingHost::SetStatus(text);
    if (onStatus) onStatus(text);
  }
};

TEST(Faults, EachGivesAClearMessageAndLeavesNothing) {
  struct Row {
    const char* name;
    std::function<void(RunSettings&, test::TempDir&, HookHost&)> arrange;
    TSave save;
    const char* inMessage;   // part of the error's message, or "" when refused
    const char* lastStatus;
  };
  const TSave normal = SaveNoClobber;
  const Row rows[] = {
      {"output folder missing",
       [](RunSettings& s, test::TempDir& d, HookHost&) { s.outputFile = d.File("no/out.nc"); },
       normal, "does not exist", "Saving File"},
      {"output parent is a plain file",
       [](RunSettings& s, test::TempDir& d, HookHost&) {
         s.outputFile = d.File("part.nc/out.nc");
       },
       normal, "part.nc/out.nc", "Saving File"},
      {"input is a folder",
       [](RunSettings& s, test::TempDir& d, HookHost&) {
         fs::create_directory(d.File("folder.nc"));
         s.inputFile = d.File("folder.nc");
       },
       normal, "folder", "Opening File"},
      {"output appears before the save",
       [](RunSettings& s, test::TempDir&, HookHost& h) {
         const std::string out = s.outputFile;
         h.onStatus = [out](const std::string& status) {
           if (status == "Saving File") test::WriteFile(out, "theirs");
         };
       },
       normal, "already exists", "Saving File"},
      {"writing fails midway",
       [](RunSettings&, test::TempDir&, HookHost&) {},
       [](const std::string& path, const TProduce& produce) {
         SaveNoClobber(path, [&](const TWriteChunk& write) {
           produce([&](std::string_view chunk) {
             write(chunk.substr(0, chunk.size() / 2));
             throw TFileError("No space left on device");
           });
         });
       },
       "No space left on device", "Saving File"},
  };
  const std::string program = "G0 X0 Y0 Z5\nG1 X10 F300\n";
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    test::TempDir dir;
    RunSettings s = test::ExampleSettings();
    s.inputFile = dir.File("part.nc");
    s.outputFile = dir.File("part Wrapped.nc");
    test::WriteFile(s.inputFile, program);
    HookHost host;
    r.arrange(s, dir, host);
    try {
      WrapRun(s, host, r.save);
      FAIL() << "the run did not fail";
    } catch (const TFileError& e) {
      EXPECT_NE(std::string(e.what()).find(r.inMessage), std::string::npos) << e.what();
      EXPECT_NE(std::string(e.what()).find(fs::path(s.outputFile).filename().string() ==
                                                   "out.nc" ||
                                               std::string(r.lastStatus) == "Opening File"
                                           ? ""
                                           : "part Wrapped.nc"),
                std::string::npos);
    }
    EXPECT_EQ(host.statuses.back(), r.lastStatus);
    EXPECT_TRUE(host.controlsEnabled);
    EXPECT_EQ(test::ReadFile(dir.File("part.nc")), program);
    for (const std::string& name : dir.Entries()) {
      EXPECT_TRUE(name == "part.nc" || name == "folder.nc" ||
                  (name == "part Wrapped.nc" && std::string(r.name) ==
                                                    "output appears before the save"))
          << name;
    }
  }
}

TEST(Faults, SameFileUnderAnotherSpellingIsRefused) {
  test::TempDir dir;
  RunSettings s = test::ExampleSettings();
  s.inputFile = dir.File("part.nc");
  test::WriteFile(s.inputFile, "G0 X1\n");
  fs::create_symlink(s.inputFile, dir.File("link.nc"));
  for (const std::string& output : {dir.Path().string() + "/./part.nc", dir.File("link.nc")}) {
    SCOPED_TRACE(output);
    s.outputFile = output;
    test::RecordingHost host;
    EXPECT_EQ(WrapRun(s, host), TRunResult::rrAborted);
    EXPECT_EQ(host.events.front(),
              "warning:An existing converted file will get overwritten.\n\nPlease delete file "
              "or change converted file name");
    EXPECT_EQ(test::ReadFile(s.inputFile), "G0 X1\n");
  }
  // An output name that is an existing folder is refused the same way.
  fs::create_directory(dir.File("out.nc"));
  s.outputFile = dir.File("out.nc");
  test::RecordingHost host;
  EXPECT_EQ(WrapRun(s, host), TRunResult::rrAborted);
}

}  // namespace
}  // namespace torvel
