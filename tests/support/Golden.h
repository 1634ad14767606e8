// Golden files under tests/golden: compared byte for byte (CR LF folded to
// LF, trailing blanks kept). A mismatch prints a line diff with blanks made
// visible. They are rewritten only when QUAERYN_UPDATE_GOLDEN=1 is set
// (`make golden`).
#pragma once

#include <string>

#include <gtest/gtest.h>

namespace quaeryn::test {

::testing::AssertionResult MatchesGolden(const std::string& name, const std::string& actual);

// A line with its blanks shown as '·' and a '$' at its end.
std::string VisibleBlanks(const std::string& line);

}  // namespace quaeryn::test

#define EXPECT_GOLDEN(name, actual) EXPECT_TRUE(::quaeryn::test::MatchesGolden((name), (actual)))
