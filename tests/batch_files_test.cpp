#include "generate/batch_files.h"

#include <gtest/gtest.h>

#include <vector>

#include "driver/globals.h"
#include "files/errors.h"
#include "generate/batch_text.h"
#include "tests/test_support.h"

namespace brennholtzgate {
namespace {

using testing::crlfLines;
using testing::readBytes;
using testing::writeBytes;

const std::vector<std::string> sampleBlock = {
    R"(@echo off)",
    R"(set QACBIN=D:\Work\Proj\Tools\Qac\QAC-8.1.2-R\bin\)",
    R"(set QACOUTPATH=D:\Work\Proj\Tmp\qac\)",
    R"(set QACTEMP=D:\Work\Proj\Tmp\qac\)",
    R"(set QACPATH=D:\Work\Proj\Tools\Qac\QAC-8.1.2-R\)",
    R"(set QACHELPFILES=D:\Work\Proj\Tools\Qac\QAC-8.1.2-R\help\)",
    R"(set PATH=%QACBIN%;%PATH%)",
};

std::vector<std::string> concat(std::vector<std::string> first,
                                const std::vector<std::string>& second) {
  first.insert(first.end(), second.begin(), second.end());
  return first;
}

// The writers with the values the driver passes for a given pair of locations.
class BatchFiles : public testing::TempFolderTest {
 protected:
  void useLocations(const std::string& qac, const std::string& working) {
    qacLoc = qac;
    qacWorkingLoc = working;
    qacBin_ = qac + "QAC-8.1.2-R\\bin\\";
  }
  std::string analyse(const std::string& path) {
    testing::captureOutput(printed_, [&] {
      writeAnalyseBatch(path, qacBin_ + "qac", qacBin_, qacWorkingLoc + "_qac_cfg.txt");
    });
    return readBytes(path);
  }
  std::string view(const std::string& path) {
    testing::captureOutput(printed_, [&] {
      writeViewBatch(path, qacBin_ + "Viewer", qacBin_, qacWorkingLoc + "_qac_list.txt",
                     qacWorkingLoc + "_qac_cfg.txt");
    });
    return readBytes(path);
  }

  std::string qacBin_;
  std::string printed_;
};

TEST_F(BatchFiles, AnalyseSampleTree) {
  useLocations(R"(D:\Work\Proj\Tools\Qac\)", R"(D:\Work\Proj\Tmp\qac\)");
  entryQueue = {R"("D:\Work\Proj\Src\main.c")", R"("D:\Work\Proj\Src\util.c")"};
  const std::string path = pathOf("_qac_8_1_2-R_Analyse.bat");
  EXPECT_EQ(
      analyse(path),
      crlfLines(concat(
          sampleBlock,
          {R"(echo 1/2 : "D:\Work\Proj\Src\main.c")",
           R"("D:\Work\Proj\Tools\Qac\QAC-8.1.2-R\bin\qac" -ppmetrics+ -pplist+ -ppfilename+ -via "D:\Work\Proj\Tmp\qac\_qac_cfg.txt" "D:\Work\Proj\Src\main.c")",
           R"(echo 2/2 : "D:\Work\Proj\Src\util.c")",
           R"("D:\Work\Proj\Tools\Qac\QAC-8.1.2-R\bin\qac" -ppmetrics+ -pplist+ -ppfilename+ -via "D:\Work\Proj\Tmp\qac\_qac_cfg.txt" "D:\Work\Proj\Src\util.c")",
           R"(echo "Finished!")", R"(IF X%1==X pause)"})));
  EXPECT_EQ(printed_, "creating: " + path + "\n");
  EXPECT_EQ(entryQueue.size(), 2U);
}

TEST_F(BatchFiles, ViewSampleTree) {
  useLocations(R"(D:\Work\Proj\Tools\Qac\)", R"(D:\Work\Proj\Tmp\qac\)");
  entryQueue = {R"("D:\Work\Proj\Src\main.c")"};
  const std::string path = pathOf("_qac_8_1_2-R_View_Misra.bat");
  EXPECT_EQ(
      view(path),
      crlfLines(concat(
          sampleBlock,
          {R"(echo executing program.)",
           R"("D:\Work\Proj\Tools\Qac\QAC-8.1.2-R\bin\Viewer" QAC -via "D:\Work\Proj\Tmp\qac\_qac_cfg.txt" -list "D:\Work\Proj\Tmp\qac\_qac_list.txt")",
           R"(echo "The file will be generated in: D:\Work\Proj\Tmp\qac\")",
           R"(IF X%1==X pause)"})));
  EXPECT_EQ(printed_, "creating: " + path + "\n");
}

TEST_F(BatchFiles, EmptyQueueGivesNineAndElevenLines) {
  useLocations(R"(D:\Work\Proj\Tools\Qac\)", R"(D:\Work\Proj\Tmp\qac\)");
  EXPECT_EQ(analyse(pathOf("a.bat")),
            crlfLines(concat(sampleBlock, {R"(echo "Finished!")", R"(IF X%1==X pause)"})));
  const std::string viewFile = view(pathOf("v.bat"));
  EXPECT_EQ(std::count(viewFile.begin(), viewFile.end(), '\n'), 11);
}

TEST_F(BatchFiles, TwelveEntriesAreNotPadded) {
  useLocations(R"(D:\Q\)", R"(D:\W\)");
  for (int i = 1; i <= 12; ++i) entryQueue.push_back("\"D:\\" + std::to_string(i) + ".c\"");
  const std::string file = analyse(pathOf("a.bat"));
  EXPECT_NE(file.find("\r\necho 9/12 : \"D:\\9.c\"\r\n"), std::string::npos);
  EXPECT_NE(file.find("\r\necho 10/12 : \"D:\\10.c\"\r\n"), std::string::npos);
  EXPECT_EQ(std::count(file.begin(), file.end(), '\n'), 7 + 24 + 2);
}

TEST_F(BatchFiles, LocationWithSpacesStaysUnquoted) {
  useLocations(R"(D:\My Work\Tools\Qac\)", R"(D:\My Work\Tmp\qac\)");
  const std::string file = view(pathOf("v.bat"));
  EXPECT_NE(file.find("\r\nset QACPATH=D:\\My Work\\Tools\\Qac\\QAC-8.1.2-R\\\r\n"),
            std::string::npos);
  EXPECT_NE(
      file.find(
          "\r\n\"D:\\My Work\\Tools\\Qac\\QAC-8.1.2-R\\bin\\Viewer\" QAC -via \"D:\\My "
          "Work\\Tmp\\qac\\_qac_cfg.txt\" -list \"D:\\My Work\\Tmp\\qac\\_qac_list.txt\"\r\n"),
      std::string::npos);
}

// A tree where the interpreter's special characters appear everywhere.
TEST_F(BatchFiles, HostilePathsAreEscaped) {
  useLocations(R"(D:\R&D\50%\Tools\Qac\)", R"(D:\R&D\50%\Tmp\qac\)");
  entryQueue = {R"("D:\R&D\50%\a&b%x%.c")"};
  const std::vector<std::string> block = {
      R"(@echo off)",
      R"(set "QACBIN=D:\R&D\50%%\Tools\Qac\QAC-8.1.2-R\bin\")",
      R"(set "QACOUTPATH=D:\R&D\50%%\Tmp\qac\")",
      R"(set "QACTEMP=D:\R&D\50%%\Tmp\qac\")",
      R"(set "QACPATH=D:\R&D\50%%\Tools\Qac\QAC-8.1.2-R\")",
      R"(set "QACHELPFILES=D:\R&D\50%%\Tools\Qac\QAC-8.1.2-R\help\")",
      R"(set "PATH=%QACBIN%;%PATH%")",
  };
  EXPECT_EQ(
      analyse(pathOf("a.bat")),
      crlfLines(concat(
          block,
          {R"(echo 1/1 : "D:\R&D\50%%\a&b%%x%%.c")",
           R"("D:\R&D\50%%\Tools\Qac\QAC-8.1.2-R\bin\qac" -ppmetrics+ -pplist+ -ppfilename+ -via "D:\R&D\50%%\Tmp\qac\_qac_cfg.txt" "D:\R&D\50%%\a&b%%x%%.c")",
           R"(echo "Finished!")", R"(IF X%1==X pause)"})));
  EXPECT_EQ(
      view(pathOf("v.bat")),
      crlfLines(concat(
          block,
          {R"(echo executing program.)",
           R"("D:\R&D\50%%\Tools\Qac\QAC-8.1.2-R\bin\Viewer" QAC -via "D:\R&D\50%%\Tmp\qac\_qac_cfg.txt" -list "D:\R&D\50%%\Tmp\qac\_qac_list.txt")",
           R"(echo "The file will be generated in: D:\R&D\50%%\Tmp\qac\")",
           R"(IF X%1==X pause)"})));
}

// The scan that finds "%" goes a word at a time: it must find one wherever it
// stands, in values shorter and longer than a word, with bytes of all kinds
// around it (bytes one above and below "%" among them).
TEST(BatchText, PercentDoubledAtEveryPosition) {
  std::string scratch;
  for (const char around : {'a', '$', '&', '\x7f'}) {
    for (std::size_t length = 1; length <= 20; ++length) {
      EXPECT_EQ(batchText(std::string(length, around), scratch), std::string(length, around));
      for (std::size_t at = 0; at < length; ++at) {
        std::string value(length, around);
        value[at] = '%';
        std::string expected = value;
        expected.insert(at, 1, '%');
        EXPECT_EQ(batchText(value, scratch), expected) << "length " << length << ", at " << at;
      }
    }
  }
}

struct SetCase {
  const char* name;
  std::string value;
  std::string setLine;   // for the variable QACBIN
  std::string pathLine;  // when that value is the program folder
};

void PrintTo(const SetCase& c, std::ostream* os) { *os << c.name; }

class SetLines : public ::testing::TestWithParam<SetCase> {};

TEST_P(SetLines, KeepTheValueExact) {
  const SetCase& c = GetParam();
  EXPECT_EQ(setCommand("QACBIN", c.value), c.setLine);
  EXPECT_EQ(pathCommand(c.value), c.pathLine);
}

const std::string plainPath = "set PATH=%QACBIN%;%PATH%";
const std::string quotedPath = "set \"PATH=%QACBIN%;%PATH%\"";

const SetCase setCases[] = {
    {"Plain", R"(D:\Q\)", R"(set QACBIN=D:\Q\)", plainPath},
    {"Spaces", R"(D:\My Q\)", R"(set QACBIN=D:\My Q\)", plainPath},
    {"Empty", "", "set QACBIN=", plainPath},
    {"Percent", R"(D:\50%\)", R"(set QACBIN=D:\50%%\)", plainPath},
    {"PercentPair", R"(D:\%PATH%\)", R"(set QACBIN=D:\%%PATH%%\)", plainPath},
    {"Ampersand", R"(D:\R&D\)", R"(set "QACBIN=D:\R&D\")", quotedPath},
    {"Pipe", R"(D:\a|b\)", R"(set "QACBIN=D:\a|b\")", quotedPath},
    {"Less", R"(D:\a<b\)", R"(set "QACBIN=D:\a<b\")", quotedPath},
    {"Greater", R"(D:\a>b\)", R"(set "QACBIN=D:\a>b\")", quotedPath},
    {"Caret", R"(D:\a^b\)", R"(set "QACBIN=D:\a^b\")", quotedPath},
    {"AmpersandAndPercent", R"(D:\R&D 100%\)", R"(set "QACBIN=D:\R&D 100%%\")", quotedPath},
    {"Parentheses", R"(D:\Program Files (x86)\)", R"(set QACBIN=D:\Program Files (x86)\)",
     plainPath},
    {"Exclamation", R"(D:\Hey!\)", R"(set QACBIN=D:\Hey!\)", plainPath},
};

INSTANTIATE_TEST_SUITE_P(Cases, SetLines, ::testing::ValuesIn(setCases),
                         testing::caseName<SetCase>);

TEST_F(BatchFiles, FolderOfThatNameRaisesBadOpenAfterTheConsoleLine) {
  useLocations(R"(D:\Q\)", R"(D:\W\)");
  const std::string path = pathOf("a.bat");
  std::filesystem::create_directory(path);
  EXPECT_THROW(analyse(path), bad_open);
  EXPECT_EQ(printed_, "creating: " + path + "\n");
  EXPECT_THROW(view(path), bad_open);
}

TEST_F(BatchFiles, MissingFolderRaisesBadOpen) {
  useLocations(R"(D:\Q\)", R"(D:\W\)");
  EXPECT_THROW(analyse(pathOf("none/a.bat")), bad_open);
  EXPECT_THROW(view(pathOf("none/v.bat")), bad_open);
}

TEST_F(BatchFiles, LongerOldFileIsReplacedWhole) {
  useLocations(R"(D:\Work\Proj\Tools\Qac\)", R"(D:\Work\Proj\Tmp\qac\)");
  const std::string path = pathOf("a.bat");
  writeBytes(path, std::string(100000, 'x'));
  EXPECT_EQ(analyse(path),
            crlfLines(concat(sampleBlock, {R"(echo "Finished!")", R"(IF X%1==X pause)"})));
}

#ifndef _WIN32
TEST_F(BatchFiles, FullDiskRaisesBadWrite) {
  useLocations(R"(D:\Q\)", R"(D:\W\)");
  entryQueue.assign(5000, "\"D:\\Work\\Proj\\Src\\file.c\"");
  EXPECT_THROW(analyse("/dev/full"), bad_write);
  EXPECT_THROW(view("/dev/full"), bad_write);
}
#endif

}  // namespace
}  // namespace brennholtzgate
