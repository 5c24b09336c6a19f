// The real exe in a code tree: console, exit status and the list file.
#include <gtest/gtest.h>
#include <windows.h>

#include "tests/e2e/e2e_support.h"

namespace brennholtzgate::e2e {
namespace {

const std::string projectText = "[Files]\r\nFolderName=Proj\r\n";

class Run : public CodeTreeTest {
 protected:
  // The two entries of the sample tree, below this tree.
  void writeSampleProject(const std::string& path) {
    writeBytes(path, codeLoc_ + "Src\\main.c\r\n" + codeLoc_ + "Src\\util.c\r\n");
  }
  std::string sampleList() const {
    return crlfLines({"-op\"" + workingLoc_ + "\"", "-cmaf \"" + workingLoc_ + "cmaFile\"",
                      "\"" + codeLoc_ + "Src\\main.c\"", "\"" + codeLoc_ + "Src\\util.c\""});
  }
  // The console of a complete run after the location lines.
  std::string successLines(const std::string& projectFile) const {
    return crlfLines({"Found Config File: " + projectFile,
                      "creating: " + workingLoc_ + "_qac_8_1_2-R_Analyse.bat",
                      "creating: " + workingLoc_ + "_qac_8_1_2-R_View_Misra.bat",
                      "Please change folder to: " + workingLoc_ + " and execute the batch files"});
  }
  std::string locationLines() const {
    return crlfLines({"qacLoc :       " + qacLoc_, "codeLoc:       " + codeLoc_,
                      "qacWorkingLoc: " + workingLoc_});
  }
};

TEST_F(Run, SampleTreeWithoutArgument) {
  writeSampleProject(workingLoc_ + "_qac_gui.prj");
  const RunResult run = runTool();
  EXPECT_EQ(run.output, locationLines() + successLines(workingLoc_ + "_qac_gui.prj"));
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(readBytes(workingLoc_ + "_qac_list.txt"), sampleList());
}

TEST_F(Run, MissingDefaultProjectFileIsDriverError) {
  const RunResult run = runTool();
  EXPECT_EQ(run.output,
            locationLines() +
                crlfLines({"Error: QAC Project file not found: " + workingLoc_ + "_qac_gui.prj"}));
  EXPECT_EQ(run.status, 1);
  EXPECT_FALSE(exists(workingLoc_ + "_qac_list.txt"));
}

TEST_F(Run, ArgumentTooLongForFullPathIsDriverError) {
  const std::string argument = std::string(300, 'x') + ".prj";
  const RunResult run = runTool(argument);
  EXPECT_EQ(run.output, locationLines() + crlfLines({"Error:  Path not correct: " + argument}));
  EXPECT_EQ(run.status, 1);
  EXPECT_FALSE(exists(workingLoc_ + "_qac_list.txt"));
}

TEST_F(Run, MissingArgumentFile) {
  const std::string path = base_ + "nothing.prj";
  const RunResult run = runTool("\"" + path + "\"");
  EXPECT_EQ(run.output,
            locationLines() + crlfLines({"Found Config File: " + path, "File Not Found: " + path,
                                         "Error: Could not open file: " + path}));
  EXPECT_EQ(run.status, 2);
  EXPECT_FALSE(exists(workingLoc_ + "_qac_list.txt"));
}

TEST_F(Run, RelativeArgumentAgainstCurrentFolder) {
  makeFolders(base_ + "Here\\Sub");
  writeSampleProject(base_ + "Here\\Sub\\my.prj");
  const RunResult run = runTool("Sub\\my.prj", base_ + "Here");
  EXPECT_EQ(run.output, locationLines() + successLines(base_ + "Here\\Sub\\my.prj"));
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(readBytes(workingLoc_ + "_qac_list.txt"), sampleList());
}

TEST_F(Run, OnlyTheLastOfTwoArgumentsCounts) {
  writeSampleProject(base_ + "second.prj");
  const RunResult run = runTool("\"" + base_ + "first.prj\" \"" + base_ + "second.prj\"");
  EXPECT_EQ(run.status, 0) << run.output;
  EXPECT_NE(run.output.find("Found Config File: " + base_ + "second.prj\r\n"), std::string::npos)
      << run.output;
  EXPECT_EQ(readBytes(workingLoc_ + "_qac_list.txt"), sampleList());
}

TEST_F(Run, MissingWorkingFolderIsAnErrorNotSuccess) {
  writeSampleProject(base_ + "my.prj");
  RemoveDirectoryA(workingLoc_.c_str());
  const RunResult run = runTool("\"" + base_ + "my.prj\"");
  EXPECT_EQ(run.output, locationLines() + crlfLines({"Found Config File: " + base_ + "my.prj",
                                                     "Error: Could not open file: " + workingLoc_ +
                                                         "_qac_list.txt"}));
  EXPECT_EQ(run.status, 2);
}

TEST_F(Run, ListFileThatCannotBeOpened) {
  writeSampleProject(workingLoc_ + "_qac_gui.prj");
  makeFolders(workingLoc_ + "_qac_list.txt");
  const RunResult run = runTool();
  EXPECT_EQ(run.output,
            locationLines() +
                crlfLines({"Found Config File: " + workingLoc_ + "_qac_gui.prj",
                           "Error: Could not open file: " + workingLoc_ + "_qac_list.txt"}));
  EXPECT_EQ(run.status, 2);
}

TEST_F(Run, DoubleQuoteInSourceLineStopsBeforeWriting) {
  writeBytes(workingLoc_ + "_qac_gui.prj", projectText + "D:\\a.c\r\nD:\\\"b\".c\r\n");
  const RunResult run = runTool();
  EXPECT_EQ(run.output,
            locationLines() + crlfLines({"Found Config File: " + workingLoc_ + "_qac_gui.prj",
                                         "Error: Double quote in source line 4 of file: " +
                                             workingLoc_ + "_qac_gui.prj"}));
  EXPECT_EQ(run.status, 2);
  EXPECT_FALSE(exists(workingLoc_ + "_qac_list.txt"));
}

TEST_F(Run, RenamedExecutableKeepsItsFolder) {
  writeSampleProject(workingLoc_ + "_qac_gui.prj");
  const std::string renamed = qacLoc_ + "Other.exe";
  ASSERT_TRUE(MoveFileA(exe_.c_str(), renamed.c_str()));
  const RunResult run = runCommand("\"" + renamed + "\"", base_);
  EXPECT_EQ(run.status, 0) << run.output;
  EXPECT_EQ(withoutBanner(run.output),
            locationLines() + successLines(workingLoc_ + "_qac_gui.prj"));
  EXPECT_EQ(readBytes(workingLoc_ + "_qac_list.txt"), sampleList());
}

}  // namespace
}  // namespace brennholtzgate::e2e
