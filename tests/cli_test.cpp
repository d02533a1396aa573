#include <gtest/gtest.h>

#include <sstream>

#include "cli/cli.h"
#include "test_support.h"

namespace torvel {
namespace {

struct CliRun {
  int status = -1;
  std::string out, err;
};

CliRun RunTorvel(std::vector<std::string> args) {
  args.insert(args.begin(), "torvel");
  std::ostringstream out, err;
  CliRun r;
  r.status = RunCli(args, out, err);
  r.out = out.str();
  r.err = err.str();
  return r;
}


TEST(Cli, WrapsTheWorkedExampleByteForByte) {
  test::TempDir dir;
  const std::string in = dir.File("part.nc"), out = dir.File("part Wrapped.nc");
  test::WriteFile(in, test::kExampleProgram);
  const CliRun r = RunTorvel({in, out, "--wrap", "X", "-q"});
  EXPECT_EQ(r.status, kExitFinished);
  EXPECT_EQ(r.err, "Finished\n");
  EXPECT_EQ(test::ReadFile(out), test::ExampleOutput());
}

TEST(Cli, OptionsReachTheRun) {
  test::TempDir dir;
  const std::string in = dir.File("p.nc"), out = dir.File("o.nc");
  test::WriteFile(in, "G0 X0 Y10 Z25\n");
  const CliRun r = RunTorvel({in, out, "--surface-z", "20", "--axis-z", "5", "--output-axis-z", "0",
                        "--rotary", "B", "--max-segment", "0.5", "--max-angle", "3"});
  EXPECT_EQ(r.status, kExitFinished);
  const auto lines = test::BodyLines(test::ReadFile(out));
  ASSERT_EQ(lines.size(), 12u);
  EXPECT_EQ(lines[2], "(Max Straight segment length = 0.5000mm)");
  EXPECT_EQ(lines[3], "(Max arc angle of segment around centre = 3.0000degrees)");
  EXPECT_EQ(lines[6], "(Original file Axis height Z = 5.0000)");
  EXPECT_EQ(lines[8], "(This file Axis height Z = 0.0000)");
  EXPECT_EQ(lines[9], "(Y axis is wrapped...)");
  EXPECT_EQ(lines[10], "(...onto the B axis)");
  // Y10 on a 15 mm radius, mirrored because Y is wrapped; Z 25 - 5.
  EXPECT_EQ(lines[11], "G0 X0.0000 Z20.0000 B-38.1972");
}

TEST(Cli, OutputAxisFollowsAxisZByDefault) {
  test::TempDir dir;
  const std::string in = dir.File("p.nc"), out = dir.File("o.nc");
  test::WriteFile(in, "G0 Z25\n");
  EXPECT_EQ(RunTorvel({in, out, "--axis-z", "5", "--surface-z", "20"}).status, kExitFinished);
  const auto lines = test::BodyLines(test::ReadFile(out));
  EXPECT_EQ(lines[8], "(This file Axis height Z = 5.0000)");
  EXPECT_EQ(lines[11], "G0 Z25.0000");
}

TEST(Cli, ExitStatuses) {
  test::TempDir dir;
  const std::string in = dir.File("p.nc"), out = dir.File("o.nc");
  test::WriteFile(in, "G1 X1\nM100\n");

  const CliRun notNumber = RunTorvel({in, out, "--max-angle", "ten"});
  EXPECT_EQ(notNumber.status, kExitRefused);
  EXPECT_NE(notNumber.err.find("--max-angle needs a number, not \"ten\""), std::string::npos);

  const CliRun sameZ = RunTorvel({in, out, "--surface-z", "0"});
  EXPECT_EQ(sameZ.status, kExitRefused);
  EXPECT_NE(sameZ.err.find("so the nominal work perimiter is zero."), std::string::npos);
  EXPECT_NE(sameZ.err.find("Conversion Aborted\n"), std::string::npos);

  EXPECT_EQ(RunTorvel({in}).status, kExitRefused);
  EXPECT_EQ(RunTorvel({in, out, "--wrap", "Z"}).status, kExitRefused);
  EXPECT_EQ(RunTorvel({dir.File("missing.nc"), out}).status, kExitRefused);
  EXPECT_EQ(dir.Entries(), std::vector<std::string>{"p.nc"});

  const CliRun unknown = RunTorvel({in, out});
  EXPECT_EQ(unknown.status, kExitUnknownCodes);
  EXPECT_EQ(unknown.err,
            "The following Error was encountered:\n\tUnknown M Code Encountered.\n"
            "Unknown Codes encountered, please check file\n");

  // The output exists now: refused, and the file is not touched.
  const std::string before = test::ReadFile(out);
  EXPECT_EQ(RunTorvel({in, out}).status, kExitRefused);
  EXPECT_EQ(test::ReadFile(out), before);

  const CliRun badFolder = RunTorvel({in, dir.File("p.nc/o.nc")});
  EXPECT_EQ(badFolder.status, kExitFileError);
  EXPECT_NE(badFolder.err.find("p.nc/o.nc"), std::string::npos);

  const CliRun folderInput = RunTorvel({dir.Path().string(), dir.File("x.nc")});
  EXPECT_EQ(folderInput.status, kExitFileError);
  EXPECT_NE(folderInput.err.find("folder"), std::string::npos);
}

}  // namespace
}  // namespace torvel

namespace torvel {
namespace {

TEST(Cli, ProgressOnATerminalOnly) {
  test::TempDir dir;
  const std::string in = dir.File("p.nc");
  test::WriteFile(in, "G0 X1\n");
  std::ostringstream out, terminal, quiet;
  EXPECT_EQ(RunCli({"torvel", in, dir.File("a.nc")}, out, terminal, true), kExitFinished);
  EXPECT_NE(terminal.str().find("\r\033[KRunning through the file"), std::string::npos);
  EXPECT_NE(terminal.str().find("\r\033[KLine 0 of 1"), std::string::npos);
  EXPECT_EQ(RunCli({"torvel", in, dir.File("b.nc"), "-q"}, out, quiet, true), kExitFinished);
  EXPECT_EQ(quiet.str(), "Finished\n");
}

}  // namespace
}  // namespace torvel
