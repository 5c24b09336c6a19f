// Built with SOURCE_DATE_EPOCH set to 1971-01-02: the banner's build date must
// be that date, not the day of the build.
#include <gtest/gtest.h>

#include "driver/version_text.h"

namespace brennholtzgate {
namespace {

TEST(BuildDateText, FollowsSourceDateEpoch) { EXPECT_EQ(buildDateText(), "Jan  2 1971"); }

}  // namespace
}  // namespace brennholtzgate
