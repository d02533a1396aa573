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
}

}  // namespace
}  // namespace torvel
