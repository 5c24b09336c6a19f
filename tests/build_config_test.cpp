#include "inputs/build_config.h"

#include <gtest/gtest.h>

#include "files/errors.h"
#include "tests/test_support.h"

namespace brennholtzgate {
namespace {

using testing::writeBytes;

struct ConfigCase {
  const char* name;
  std::string content;
  std::string value;
};

void PrintTo(const ConfigCase& c, std::ostream* os) { *os << c.name; }

class BuildConfigRules : public testing::TempFolderTest,
                         public ::testing::WithParamInterface<ConfigCase> {};

TEST_P(BuildConfigRules, TmpValue) {
  const ConfigCase& c = GetParam();
  const std::string path = pathOf("BuildConfig.txt");
  writeBytes(path, c.content);
  EXPECT_EQ(readBuildConfigTmp(path), c.value);
}

const ConfigCase configCases[] = {
    {"Plain", "tmp=..\\Tmp\n", "..\\Tmp"},
    {"TrimmedAtBothEnds", "  \ttmp=E:\\Build\\Tmp \t\n", "E:\\Build\\Tmp"},
    {"BlankAfterKeyStays", "tmp= ..\\Tmp\n", " ..\\Tmp"},
    {"InnerBlanksStay", "tmp=D:\\My Tmp\n", "D:\\My Tmp"},
    {"EqualsInValue", "tmp=a=b\n", "a=b"},
    {"KeyAloneIsTooShortAndKeepsEarlierValue", "tmp=E:\\a\ntmp=\n", "E:\\a"},
    {"KeyAndBlankEmptiesEarlierValue", "tmp=E:\\a\ntmp= \n", ""},
    {"BlanksBeforeShortKeyIgnored", "tmp=E:\\a\n   tmp\n", "E:\\a"},
    {"OtherLetterCaseIgnored", "TMP=a\nTmp=b\n", ""},
    {"BlankBeforeEqualsIgnored", "tmp =a\n", ""},
    {"KeyAfterCommentSignIgnored", "#tmp=a\n;tmp=b\n", ""},
    {"LastKeyWins", "tmp=a\nother=1\ntmp=b\n", "b"},
    {"CrLfLineEnds", "x=1\r\ntmp=..\\Tmp\r\ny=2\r\n", "..\\Tmp"},
    {"CrLfKeyAloneIsTooShort", "tmp=a\r\ntmp=\r\n", "a"},
    {"LastLineWithoutLineEnd", "x=1\ntmp=E:\\Build\\Tmp", "E:\\Build\\Tmp"},
    {"NoKey", "[Build]\nout=..\\Out\n", ""},
    {"EmptyFile", "", ""},
};

INSTANTIATE_TEST_SUITE_P(Cases, BuildConfigRules, ::testing::ValuesIn(configCases),
                         testing::caseName<ConfigCase>);

class BuildConfigFile : public testing::TempFolderTest {};

TEST_F(BuildConfigFile, NothingAtThePathGivesEmpty) {
  EXPECT_EQ(readBuildConfigTmp(pathOf("BuildConfig.txt")), "");
}

TEST_F(BuildConfigFile, FolderAtThePathRaisesBadOpen) {
  const std::string path = pathOf("BuildConfig.txt");
  std::filesystem::create_directory(path);
  EXPECT_THROW(readBuildConfigTmp(path), bad_open);
}

#ifndef _WIN32
TEST_F(BuildConfigFile, ReadErrorIsNotEndOfFile) {
  EXPECT_THROW(readBuildConfigTmp("/proc/self/mem"), bad_read);
}
#endif

}  // namespace
}  // namespace brennholtzgate
