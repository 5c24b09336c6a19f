#include "driver/locations.h"

#include <gtest/gtest.h>

namespace brennholtzgate {
namespace {

struct LocationCase {
  const char* modulePath;
  const char* qacLoc;
  const char* codeLoc;
  const char* workingLoc;
};

void PrintTo(const LocationCase& c, std::ostream* os) { *os << c.modulePath; }

class LocationRules : public ::testing::TestWithParam<LocationCase> {};

TEST_P(LocationRules, FromModulePath) {
  const LocationCase& c = GetParam();
  const std::string qacLoc = qacLocFromModulePath(c.modulePath);
  EXPECT_EQ(qacLoc, c.qacLoc);
  const std::string codeLoc = codeLocFromQacLoc(qacLoc);
  EXPECT_EQ(codeLoc, c.codeLoc);
  EXPECT_EQ(defaultWorkingLoc(codeLoc), c.workingLoc);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LocationRules,
    ::testing::Values(
        // The ordinary tree.
        LocationCase{R"(D:\Work\Proj\Tools\Qac\Brennholtzgate.exe)", R"(D:\Work\Proj\Tools\Qac\)",
                     R"(D:\Work\Proj\)", R"(D:\Work\Proj\Tmp\qac\)"},
        // "\Tools" twice: the first one decides.
        LocationCase{R"(D:\Tools\Proj\Tools\Qac\Brennholtzgate.exe)", R"(D:\Tools\Proj\Tools\Qac\)",
                     R"(D:\)", R"(D:\Tmp\qac\)"},
        // "\Tools" also matches a longer folder name.
        LocationCase{R"(D:\Work\Toolset\Qac\Brennholtzgate.exe)", R"(D:\Work\Toolset\Qac\)",
                     R"(D:\Work\)", R"(D:\Work\Tmp\qac\)"},
        // No "\Tools": codeLoc ends in two backslashes.
        LocationCase{R"(D:\Work\Proj\Qac\Brennholtzgate.exe)", R"(D:\Work\Proj\Qac\)",
                     R"(D:\Work\Proj\Qac\\)", R"(D:\Work\Proj\Qac\\Tmp\qac\)"},
        // "\tools" in other letter case does not count.
        LocationCase{R"(D:\Work\tools\Qac\Brennholtzgate.exe)", R"(D:\Work\tools\Qac\)",
                     R"(D:\Work\tools\Qac\\)", R"(D:\Work\tools\Qac\\Tmp\qac\)"},
        // A renamed executable still lives in its folder.
        LocationCase{R"(D:\Work\Proj\Tools\Qac\Other.exe)", R"(D:\Work\Proj\Tools\Qac\)",
                     R"(D:\Work\Proj\)", R"(D:\Work\Proj\Tmp\qac\)"},
        // So does one whose name differs in letter case.
        LocationCase{R"(D:\Work\Proj\Tools\Qac\BRENNHOLTZGATE.EXE)", R"(D:\Work\Proj\Tools\Qac\)",
                     R"(D:\Work\Proj\)", R"(D:\Work\Proj\Tmp\qac\)"},
        // Spaces and ".." stay as they are.
        LocationCase{R"(D:\My Work\..\Tools\Qac\Brennholtzgate.exe)", R"(D:\My Work\..\Tools\Qac\)",
                     R"(D:\My Work\..\)", R"(D:\My Work\..\Tmp\qac\)"},
        // A network path.
        LocationCase{R"(\\server\share\Proj\Tools\Qac\Brennholtzgate.exe)",
                     R"(\\server\share\Proj\Tools\Qac\)", R"(\\server\share\Proj\)",
                     R"(\\server\share\Proj\Tmp\qac\)"}));

struct BuildConfigCase {
  const char* tmpValue;
  const char* workingLoc;
};

void PrintTo(const BuildConfigCase& c, std::ostream* os) { *os << "tmp=" << c.tmpValue; }

class WorkingLocFromBuildConfig : public ::testing::TestWithParam<BuildConfigCase> {};

TEST_P(WorkingLocFromBuildConfig, FollowsTmpValue) {
  EXPECT_EQ(workingLocFromBuildConfig(R"(D:\Work\Proj\)", GetParam().tmpValue),
            GetParam().workingLoc);
}

INSTANTIATE_TEST_SUITE_P(Cases, WorkingLocFromBuildConfig,
                         ::testing::Values(
                             // Relative to the folder of the build configuration file.
                             BuildConfigCase{R"(..\Tmp)", R"(D:\Work\Proj\..\Bin\..\Tmp\qac\)"},
                             // A drive letter makes it absolute.
                             BuildConfigCase{R"(E:\Build\Tmp)", R"(E:\Build\Tmp\qac\)"},
                             // No key, or an empty value: two backslashes after "Bin".
                             BuildConfigCase{"", R"(D:\Work\Proj\..\Bin\\qac\)"},
                             // A value ending in a backslash: two backslashes before "qac".
                             BuildConfigCase{R"(E:\Build\Tmp\)", R"(E:\Build\Tmp\\qac\)"},
                             // Two leading backslashes hold no colon: still relative.
                             BuildConfigCase{R"(\\server\tmp)",
                                             R"(D:\Work\Proj\..\Bin\\\server\tmp\qac\)"}));

}  // namespace
}  // namespace brennholtzgate
