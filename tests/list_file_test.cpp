#include "generate/list_file.h"

#include <gtest/gtest.h>

#include "driver/globals.h"
#include "files/errors.h"
#include "tests/test_support.h"

namespace brennholtzgate {
namespace {

using testing::crlfLines;
using testing::readBytes;
using testing::writeBytes;

class ListFile : public testing::TempFolderTest {};

struct ListCase {
  const char* name;
  std::string workingDir;
  std::string cmaFile;
  std::deque<std::string> entries;
  std::string expected;
};

void PrintTo(const ListCase& c, std::ostream* os) { *os << c.name; }

class ListFileContent : public testing::TempFolderTest,
                        public ::testing::WithParamInterface<ListCase> {};

TEST_P(ListFileContent, ByteForByte) {
  const ListCase& c = GetParam();
  cmaFile = c.cmaFile;
  entryQueue = c.entries;
  const std::string path = pathOf("_qac_list.txt");
  writeListFile(c.workingDir, path);
  EXPECT_EQ(readBytes(path), c.expected);
  // The batch writers that come after see the same values.
  EXPECT_EQ(entryQueue, c.entries);
  EXPECT_EQ(cmaFile, c.cmaFile);
}

const ListCase listCases[] = {
    {"SampleTree",
     R"(D:\Work\Proj\Tmp\qac\)",
     "cmaFile",
     {R"("D:\Work\Proj\Src\main.c")", R"("D:\Work\Proj\Src\util.c")"},
     crlfLines({R"(-op"D:\Work\Proj\Tmp\qac\")", R"(-cmaf "D:\Work\Proj\Tmp\qac\cmaFile")",
                R"("D:\Work\Proj\Src\main.c")", R"("D:\Work\Proj\Src\util.c")"})},
    {"FolderName",
     R"(D:\Work\Proj\Tmp\qac\)",
     "Proj",
     {},
     crlfLines({R"(-op"D:\Work\Proj\Tmp\qac\")", R"(-cmaf "D:\Work\Proj\Tmp\qac\Proj")"})},
    {"EmptyFolderName",
     R"(D:\Work\Proj\Tmp\qac\)",
     "",
     {},
     crlfLines({R"(-op"D:\Work\Proj\Tmp\qac\")", R"(-cmaf "D:\Work\Proj\Tmp\qac\")"})},
    {"DuplicatesAndSpacesVerbatim",
     R"(D:\My Work\Tmp\qac\)",
     "cmaFile",
     {R"("D:\My Work\a.c")", R"("D:\R&D\50%.c")", R"("D:\My Work\a.c")"},
     crlfLines({R"(-op"D:\My Work\Tmp\qac\")", R"(-cmaf "D:\My Work\Tmp\qac\cmaFile")",
                R"("D:\My Work\a.c")", R"("D:\R&D\50%.c")", R"("D:\My Work\a.c")"})},
};

INSTANTIATE_TEST_SUITE_P(Cases, ListFileContent, ::testing::ValuesIn(listCases),
                         testing::caseName<ListCase>);

TEST_F(ListFile, LongerOldFileIsReplacedWhole) {
  const std::string path = pathOf("_qac_list.txt");
  writeBytes(path, std::string(10000, 'x'));
  writeListFile("W\\", path);
  EXPECT_EQ(readBytes(path), crlfLines({R"(-op"W\")", R"(-cmaf "W\cmaFile")"}));
}

TEST_F(ListFile, MissingFolderRaisesBadOpen) {
  const std::string path = pathOf("no-such-folder/_qac_list.txt");
  EXPECT_THROW(writeListFile("W\\", path), bad_open);
}

TEST_F(ListFile, FolderOfThatNameRaisesBadOpen) {
  const std::string path = pathOf("_qac_list.txt");
  std::filesystem::create_directory(path);
  try {
    writeListFile("W\\", path);
    FAIL() << "no error raised";
  } catch (const bad_open& error) {
    EXPECT_EQ(errorLine(error), "Error: Could not open file: " + path);
  }
}

#ifndef _WIN32
TEST_F(ListFile, FullDiskRaisesBadWrite) {
  entryQueue.assign(3, "\"D:\\a.c\"");
  EXPECT_THROW(writeListFile("W\\", "/dev/full"), bad_write);
}

TEST_F(ListFile, FullDiskRaisesBadWriteBeyondTheBuffer) {
  // More than one buffer: the failure shows while writing, not only at the end.
  entryQueue.assign(20000, "\"D:\\Work\\Proj\\Src\\some\\longer\\path\\file.c\"");
  EXPECT_THROW(writeListFile("W\\", "/dev/full"), bad_write);
}
#endif

}  // namespace
}  // namespace brennholtzgate
