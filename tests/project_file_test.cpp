#include "inputs/project_file.h"

#include <gtest/gtest.h>

#include <deque>

#include "driver/globals.h"
#include "files/errors.h"
#include "tests/test_support.h"

namespace brennholtzgate {
namespace {

using testing::readBytes;
using testing::writeBytes;

struct ProjectCase {
  const char* name;
  std::string content;
  std::deque<std::string> entries;
  std::string cmaFile;
};

void PrintTo(const ProjectCase& c, std::ostream* os) { *os << c.name; }

class ProjectFileRules : public testing::TempFolderTest,
                         public ::testing::WithParamInterface<ProjectCase> {};

TEST_P(ProjectFileRules, CollectsEntriesAndFolderName) {
  const ProjectCase& c = GetParam();
  const std::string path = pathOf("_qac_gui.prj");
  writeBytes(path, c.content);
  readProjectFile(path);
  EXPECT_EQ(entryQueue, c.entries);
  EXPECT_EQ(cmaFile, c.cmaFile);
}

const ProjectCase projectCases[] = {
    {"DriveLetterPath",
     "D:\\Work\\Proj\\Src\\main.c\n",
     {"\"D:\\Work\\Proj\\Src\\main.c\""},
     "cmaFile"},
    {"NetworkPath", "\\\\server\\share\\a.c\n", {"\"\\\\server\\share\\a.c\""}, "cmaFile"},
    {"OneCharacterFirstComponent", "a\\b.c\nab\\c.c\n", {"\"a\\b.c\""}, "cmaFile"},
    {"LeadingBlankOrTabIgnored", " D:\\a.c\n\tD:\\b.c\n", {}, "cmaFile"},
    {"TrailingBlanksStayInside", "D:\\a.c  \n", {"\"D:\\a.c  \""}, "cmaFile"},
    {"DriveAndColonOnly", "D:\n", {"\"D:\""}, "cmaFile"},
    {"ShortLinesIgnored", "\n:\n\\\nD\n", {}, "cmaFile"},
    {"DuplicatesKeptInFileOrder",
     "D:\\a.c\nFolderName=Proj\n[Section]\nD:\\b.c\nD:\\a.c\n",
     {"\"D:\\a.c\"", "\"D:\\b.c\"", "\"D:\\a.c\""},
     "Proj"},
    {"EmptyFolderName", "FolderName=\n", {}, ""},
    {"FirstFolderNameWins", "FolderName=First\nFolderName=Second\n", {}, "First"},
    {"FolderNameOtherCaseIgnored", "foldername=Proj\nFOLDERNAME=Proj\n", {}, "cmaFile"},
    // The key counts only at the start of a line.
    {"FolderNameNotAtStartIgnored",
     "  FolderName=Early\nx FolderName=Y\nFolderName=Proj\n",
     {},
     "Proj"},
    {"FolderNameKeepsBlanksAndEquals", "FolderName= a=b \n", {}, " a=b "},
    // A source path line is never a folder-name line.
    {"SourceLineBeforeFolderNameTest", "F:olderName=x\n", {"\"F:olderName=x\""}, "cmaFile"},
    {"EmptyFile", "", {}, "cmaFile"},
    {"CrLfLineEnds",
     "D:\\a.c\r\nFolderName=Proj\r\nD:\\b.c\r\n",
     {"\"D:\\a.c\"", "\"D:\\b.c\""},
     "Proj"},
    {"LastLineWithoutLineEnd", "D:\\a.c\nD:\\b.c", {"\"D:\\a.c\"", "\"D:\\b.c\""}, "cmaFile"},
    // Only a CR directly before the LF belongs to the line end.
    {"LoneCarriageReturnStays",
     "D:\\a\r.c\nD:\\b.c\r",
     {"\"D:\\a\r.c\"", "\"D:\\b.c\r\""},
     "cmaFile"},
    {"OtherBytesCopied",
     std::string("D:\\\xe4\xf6\0x.c\n", 10),
     {std::string("\"D:\\\xe4\xf6\0x.c\"", 11)},
     "cmaFile"},
    {"SpecialCharactersCopied", "D:\\R&D\\50%.c\n", {"\"D:\\R&D\\50%.c\""}, "cmaFile"},
};

INSTANTIATE_TEST_SUITE_P(Cases, ProjectFileRules, ::testing::ValuesIn(projectCases),
                         testing::caseName<ProjectCase>);

class ProjectFileErrors : public testing::TempFolderTest {
 protected:
  void readCapturingOutput(const std::string& path) {
    testing::captureOutput(printed_, [&] { readProjectFile(path); });
  }
  std::string printed_;
};

TEST_F(ProjectFileErrors, MissingFilePrintsFileNotFound) {
  const std::string path = pathOf("missing.prj");
  EXPECT_THROW(readCapturingOutput(path), bad_open);
  EXPECT_EQ(printed_, "File Not Found: " + path + "\n");
  EXPECT_TRUE(entryQueue.empty());
  EXPECT_EQ(cmaFile, "cmaFile");
}

TEST_F(ProjectFileErrors, FolderIsNotAProjectFile) {
  const std::string path = pathOf("folder.prj");
  std::filesystem::create_directory(path);
  EXPECT_THROW(readCapturingOutput(path), bad_open);
  EXPECT_EQ(printed_, "File Not Found: " + path + "\n");
}

TEST_F(ProjectFileErrors, DoubleQuoteNamesLineNumber) {
  const std::string path = pathOf("quote.prj");
  writeBytes(path, "FolderName=\"ok\"\nD:\\a.c\n\nD:\\b\".c\n");
  try {
    readCapturingOutput(path);
    FAIL() << "no error raised";
  } catch (const bad_source_line& error) {
    EXPECT_EQ(errorLine(error), "Error: Double quote in source line 4 of file: " + path);
  }
}

#ifndef _WIN32
TEST_F(ProjectFileErrors, ReadErrorIsNotEndOfFile) {
  // Reading this file fails with an I/O error at its first byte.
  EXPECT_THROW(readCapturingOutput("/proc/self/mem"), bad_read);
}
#endif

}  // namespace
}  // namespace brennholtzgate
