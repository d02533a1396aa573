#include <gtest/gtest.h>

#include <filesystem>

#include "conversion/file_io.h"
#include "test_support.h"

namespace torvel {
namespace {

using test::RecordingHost;
using test::TempDir;

using test::ExampleOutput;
constexpr const char* kExampleInput = test::kExampleProgram;

struct RunFiles {
  TempDir dir;
  RunSettings settings = test::ExampleSettings();
  RunFiles(const std::string& program) {
    settings.inputFile = dir.File("part.nc");
    settings.outputFile = dir.File("part Wrapped.nc");
    test::WriteFile(settings.inputFile, program);
  }
};

TEST(WrapRun, CompleteRunWritesTheWorkedExample) {
  RunFiles f(kExampleInput);
  RecordingHost host;
  EXPECT_EQ(WrapRun(f.settings, host), TRunResult::rrFinished);
  EXPECT_EQ(test::ReadFile(f.settings.outputFile), ExampleOutput());
  const std::vector<std::string> expected = {
      "disable",          "repaint:window",
      "status:Opening File", "repaint:window",
      "status:Checking the file", "repaint:window",
      "status:Running through the file", "repaint:window",
      "status:Line 0 of 6", "repaint:window",
      "status:Saving File", "repaint:window",
      "status:Clearing Memory", "repaint:window",
      "status:Finished", "repaint:window",
      "enable",           "repaint:window",
  };
  EXPECT_EQ(host.events, expected);
  EXPECT_EQ(f.dir.Entries().size(), 2u);  // no temporary file left
}

TEST(WrapRun, ValidationMessages) {
  struct Row {
    const char* name;
    std::function<void(RunSettings&, TempDir&)> change;
    std::vector<std::string> events;
  };
  const std::string same = "status:Conversion Aborted";
  const Row rows[] = {
      {"both file boxes empty",
       [](RunSettings& s, TempDir&) { s.inputFile = s.outputFile = ""; },
       {"warning:Need two file names\n\nConversion Aborted.", same}},
      {"same names but for case",
       [](RunSettings& s, TempDir& d) { s.outputFile = d.File("PART.nc"); },
       {"warning:Both file names the same\n\nConversion Aborted.", same}},
      {"no segment length",
       [](RunSettings& s, TempDir&) { s.maxSegment = ""; },
       {"warning:Please enter a maximum value for\nthe segment length of an arc\n\n"
        "Conversion Aborted.",
        same}},
      {"no arc angle",
       [](RunSettings& s, TempDir&) { s.maxAngle = ""; },
       {"warning:Please enter a maximum value for\nthe angle subtended by a segment around "
        "an arc\n\nConversion Aborted.",
        same}},
      {"surface at the axis",
       [](RunSettings& s, TempDir&) {
         s.axisZ = "5";
         s.surfaceZ = "5.0";
       },
       {"warning:The nominal work Z is the same height as the axis,\nso the nominal work "
        "perimiter is zero.",
        same}},
      {"empty axis box counts as 0",
       [](RunSettings& s, TempDir&) {
         s.axisZ = "";
         s.surfaceZ = "0";
       },
       {"warning:The nominal work Z is the same height as the axis,\nso the nominal work "
        "perimiter is zero.",
        same}},
      {"input missing and output present",
       [](RunSettings& s, TempDir& d) {
         std::filesystem::remove(s.inputFile);
         test::WriteFile(s.outputFile, "old");
         (void)d;
       },
       {"warning:The input file does not exist.\n\nPlease check", same}},
      {"output exists",
       [](RunSettings& s, TempDir&) { test::WriteFile(s.outputFile, "old"); },
       {"warning:An existing converted file will get overwritten.\n\nPlease delete file or "
        "change converted file name",
        same}},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    RunFiles f(kExampleInput);
    r.change(f.settings, f.dir);
    RecordingHost host;
    EXPECT_EQ(WrapRun(f.settings, host), TRunResult::rrAborted);
    EXPECT_EQ(host.events, r.events);
  }
}

TEST(WrapRun, SurfaceBelowTheAxisWarnsAndGoesOn) {
  RunFiles f(kExampleInput);
  f.settings.axisZ = "10";
  f.settings.surfaceZ = "7.5";
  RecordingHost host;
  EXPECT_EQ(WrapRun(f.settings, host), TRunResult::rrFinished);
  ASSERT_FALSE(host.events.empty());
  EXPECT_EQ(host.events[0],
            "warning:The nominal work Z is below the axis, so the work is hollowed out and "
            "will\nbe mirrored about the axis. This may be a problem.");
  EXPECT_EQ(host.events[1], "disable");
  EXPECT_TRUE(test::ReadFile(f.settings.outputFile).find("G1 A-229.1831\r\n") !=
              std::string::npos);
}

TEST(WrapRun, ProgressCountsEveryThousandLines) {
  std::string program;
  for (int i = 0; i < 2500; ++i) program += "G1 X" + std::to_string(i % 7) + "\n";
  RunFiles f(program);
  RecordingHost host;
  WrapRun(f.settings, host);
  std::vector<std::string> progress;
  for (std::size_t i = 0; i < host.events.size(); ++i) {
    if (host.events[i].rfind("status:Line ", 0) == 0) {
      progress.push_back(host.events[i] + " " + host.events[i + 1]);
    }
  }
  const std::vector<std::string> expected = {
      "status:Line 0 of 2500 repaint:window",
      "status:Line 1000 of 2500 repaint:label",
      "status:Line 2000 of 2500 repaint:label",
  };
  EXPECT_EQ(progress, expected);
}

TEST(WrapRun, ProgressCountsInsertedSegmentLines) {
  // An arc of 180 segments inserted after line 1: the count grows at once.
  std::string program = "G0 X0 Y5\nG2 X10 Y5 I5 J5\n";
  for (int i = 0; i < 1200; ++i) program += "G1 X1\n";
  RunFiles f(program);
  f.settings.maxSegment = "0.1";
  f.settings.maxAngle = "1";
  RecordingHost host;
  WrapRun(f.settings, host);
  std::vector<std::string> progress;
  for (const std::string& s : host.statuses)
    if (s.rfind("Line ", 0) == 0) progress.push_back(s);
  const std::vector<std::string> expected = {"Line 0 of 1202", "Line 1000 of 1382"};
  EXPECT_EQ(progress, expected);
}

TEST(WrapRun, ReportListsEveryEntryInOrder) {
  RunFiles f("G18\nG17\nM100\nG81 X1\n");
  RecordingHost host;
  EXPECT_EQ(WrapRun(f.settings, host), TRunResult::rrUnknownCodes);
  ASSERT_EQ(host.reports.size(), 1u);
  EXPECT_EQ(host.reports[0],
            "The following Errors were encountered:\n"
            "\tG18: XZ Plane definition found.\n"
            "\tUnknown M Code Encountered.\n"
            "\tUnknown G Code Encountered.\n");
  EXPECT_EQ(host.statuses.back(), "Unknown Codes encountered, please check file");
  const std::string out = test::ReadFile(f.settings.outputFile);
  EXPECT_NE(out.find("G17\r\n(M100)\r\n(G81)\r\n"), std::string::npos);
}

TEST(WrapRun, PlaneWarningsAloneEndFinished) {
  RunFiles f("G18\nG19\nG17\nG0 X1 A5\n");
  RecordingHost host;
  EXPECT_EQ(WrapRun(f.settings, host), TRunResult::rrFinished);
  EXPECT_TRUE(host.reports.empty());
}

TEST(WrapRun, EmptyInputGivesHeaderAndRunningTime) {
  RunFiles f("");
  RecordingHost host;
  EXPECT_EQ(WrapRun(f.settings, host), TRunResult::rrFinished);
  const auto lines = test::BodyLines(test::ReadFile(f.settings.outputFile));
  ASSERT_EQ(lines.size(), 11u);
  EXPECT_EQ(lines[5], "(Total Running Time minimum = 0.00 Seconds. )");
}

TEST(WrapRun, FailingSaveLeavesNothingAndEnablesControls) {
  RunFiles f(kExampleInput);
  f.settings.outputFile = f.dir.File("missing folder/out.nc");
  RecordingHost host;
  EXPECT_THROW(WrapRun(f.settings, host), TFileError);
  EXPECT_EQ(host.statuses.back(), "Saving File");
  EXPECT_EQ(host.events.back(), "repaint:window");
  EXPECT_EQ(host.events[host.events.size() - 2], "enable");
  EXPECT_EQ(f.dir.Entries(), std::vector<std::string>{"part.nc"});
  EXPECT_EQ(test::ReadFile(f.settings.inputFile), kExampleInput);
}

TEST(WrapRun, TwoRunsStartFromTheSameState) {
  const RunSettings s = test::ExampleSettings();
  const std::string program = "G20 G91 G18\nG1 X1 F10\nM100\n";
  const TConversion first = ConvertText(program, s);
  const TConversion second = ConvertText(program, s);
  EXPECT_EQ(first.Text(), second.Text());
  EXPECT_EQ(second.errors.Count(), 2u);
}

TEST(InputLines, LineEndsAndNul) {
  struct Row {
    const char* name;
    std::string text;
    std::vector<std::string> lines;
  };
  const Row rows[] = {
      {"CR LF", "a\r\nb\r\n", {"a", "b"}},
      {"LF", "a\nb", {"a", "b"}},
      {"CR alone", "a\rb\r", {"a", "b"}},
      {"LF CR is two ends", "a\n\rb", {"a", "", "b"}},
      {"blank lines kept", "a\n\nb\n", {"a", "", "b"}},
      {"NUL ends the text", std::string("a\nb\0c\nd", 7), {"a", "b"}},
      {"empty", "", {}},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    EXPECT_EQ(SplitLines(r.text), r.lines);
  }
}

TEST(SaveNoClobber, NeverOverwritesAndCleansUp) {
  TempDir dir;
  const std::string target = dir.File("out.nc");
  // A file that appears while the output is produced is not replaced.
  EXPECT_THROW(SaveNoClobber(target,
                             [&](const TWriteChunk& write) {
                               write("new");
                               test::WriteFile(target, "theirs");
                             }),
               TFileError);
  EXPECT_EQ(test::ReadFile(target), "theirs");
  EXPECT_EQ(dir.Entries(), std::vector<std::string>{"out.nc"});

  // A writer that fails midway leaves nothing behind.
  const std::string second = dir.File("second.nc");
  try {
    SaveNoClobber(second, [](const TWriteChunk& write) {
      write("half");
      throw TFileError("No space left on device");
    });
    FAIL() << "no error";
  } catch (const TFileError& e) {
    EXPECT_NE(std::string(e.what()).find("second.nc"), std::string::npos);
    EXPECT_NE(std::string(e.what()).find("No space left on device"), std::string::npos);
  }
  EXPECT_EQ(dir.Entries(), std::vector<std::string>{"out.nc"});

  // The parent is a plain file.
  EXPECT_THROW(SaveNoClobber(dir.File("out.nc/x.nc"), [](const TWriteChunk&) {}), TFileError);
}

}  // namespace
}  // namespace torvel

namespace torvel {
namespace {

TEST(OutputSpool, SpillsToATemporaryFileInOrder) {
  TOutputSpool spool(10);
  std::string expected;
  for (int i = 0; i < 1000; ++i) {
    const std::string piece = "line " + std::to_string(i) + "\r\n";
    spool.Append(piece);
    expected += piece;
  }
  EXPECT_EQ(spool.TakeText(), expected);
}

TEST(WrapRun, StreamedOutputMatchesTheRunInMemory) {
  // About 4.5 MB of output: more than the spool keeps in memory (4 MB).
  std::string program = "G21 G90\nG0 X0 Y5 Z1\nG1 Z-1 F500\n";
  for (int i = 0; i < 600; ++i) {
    program += "G2 X10 Y5 I5 J5\nG3 X0 Y5 I5 J5 F" + std::to_string(400 + i % 7) + "\n";
  }
  RunFiles f(program);
  f.settings.maxSegment = "0.1";
  f.settings.maxAngle = "1";
  RecordingHost host;
  EXPECT_EQ(WrapRun(f.settings, host), TRunResult::rrFinished);
  const std::string written = test::ReadFile(f.settings.outputFile);
  EXPECT_GT(written.size(), std::size_t{4} << 20);
  EXPECT_TRUE(written == ConvertText(program, f.settings).Text());
}

}  // namespace
}  // namespace torvel
