// Inputs that a literal reading would lose or corrupt, as real programs
// write them.
#include <gtest/gtest.h>

#include "test_support.h"

namespace torvel {
namespace {

TEST(MendedFaults, BlanksAfterAMotionWordKeepTheMove) {
  // A CAM post that writes two blanks after G00: X and Y must not vanish.
  EXPECT_EQ(test::ConvertBody("N3 G00  X-75.  Y-93.703 M03\n"),
            std::vector<std::string>{"N3 G0 X-93.7030 A-572.9578 M3"});
  EXPECT_EQ(test::ConvertBody("G0 X0 Y0\nG1   Y2.5    F100 \n"),
            (std::vector<std::string>{"G0 X0.0000 A0.0000", "G1 F100 X2.5000"}));
  // A modal line that begins with a blank gets the carried motion word and
  // then two blanks; its coordinates must not vanish either.
  EXPECT_EQ(test::ConvertBody("G0 Z2.0000\r\n X50.8000 Y177.8000\r\n"),
            (std::vector<std::string>{"G0 Z2.0000", "G0 X177.8000 A388.0834"}));
}

}  // namespace
}  // namespace torvel
