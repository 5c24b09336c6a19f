#include "driver/version_text.h"

#include <gtest/gtest.h>

#include <regex>

namespace brennholtzgate {
namespace {

TEST(VersionNumberText, MajorAndMinorOnly) {
  EXPECT_EQ(versionNumberText(0x00020004U), "2.4");
  EXPECT_EQ(versionNumberText(0x000A0000U), "10.0");
  EXPECT_EQ(versionNumberText(0U), "0.0");
  EXPECT_EQ(versionNumberText(0xFFFFFFFFU), "65535.65535");
}

TEST(BuildDateText, CompactMonthDayYear) {
  EXPECT_TRUE(std::regex_match(buildDateText(), std::regex("[A-Z][a-z]{2} [ 1-3][0-9] [0-9]{4}")))
      << buildDateText();
}

}  // namespace
}  // namespace brennholtzgate
