// Project files that are huge, odd or broken, through the real exe.
#include <gtest/gtest.h>
#include <windows.h>

#include "tests/e2e/e2e_support.h"

namespace brennholtzgate::e2e {
namespace {

class HostileInput : public CodeTreeTest {
 protected:
  std::string project() const { return workingLoc_ + "_qac_gui.prj"; }
  std::string listHead() const {
    return crlfLines({"-op\"" + workingLoc_ + "\"", "-cmaf \"" + workingLoc_ + "cmaFile\""});
  }
  // Runs the tool on the default project file and expects a complete run.
  void runToCompletion() {
    const RunResult run = runTool();
    EXPECT_EQ(run.status, 0) << run.output.substr(0, 2000);
    EXPECT_NE(run.output.find("Please change folder to: "), std::string::npos);
  }
};

TEST_F(HostileInput, FiftyMegabyteProjectFile) {
  // Mostly lines the reader ignores, with a source path every 1000th line.
  std::string text;
  std::string expectedList = listHead();
  const std::string filler = "Setting=" + std::string(60, 'f') + "\r\n";
  for (int i = 0; text.size() < 50u * 1024 * 1024; ++i) {
    if (i % 1000 == 0) {
      const std::string path = "D:\\Src\\file" + std::to_string(i) + ".c";
      text += path + "\r\n";
      expectedList += "\"" + path + "\"\r\n";
    } else {
      text += filler;
    }
  }
  writeBytes(project(), text);
  runToCompletion();
  EXPECT_EQ(readBytes(workingLoc_ + "_qac_list.txt"), expectedList);
}

TEST_F(HostileInput, OneMegabyteLine) {
  const std::string path = "D:\\" + std::string(1024 * 1024, 'x') + ".c";
  writeBytes(project(), path + "\r\nD:\\b.c\r\n");
  runToCompletion();
  EXPECT_EQ(readBytes(workingLoc_ + "_qac_list.txt"),
            listHead() + crlfLines({"\"" + path + "\"", "\"D:\\b.c\""}));
  const std::string analyse = readBytes(workingLoc_ + "_qac_8_1_2-R_Analyse.bat");
  EXPECT_NE(analyse.find("\r\necho 1/2 : \"" + path + "\"\r\n"), std::string::npos);
}

TEST_F(HostileInput, NulAndHighBytesCopiedByteForByte) {
  // The list file takes every byte as it is; the batch file the same
  // characters in the OEM code page (a-umlaut and y-diaeresis of 1252 are
  // 0x84 and 0x98 in both 437 and 850).
  const std::string path("D:\\a\0b\xe4\xff.c", 11);
  writeBytes(project(), path + "\r\n");
  runToCompletion();
  EXPECT_EQ(readBytes(workingLoc_ + "_qac_list.txt"), listHead() + "\"" + path + "\"\r\n");
  if (!westernCodePages()) return;
  const std::string oemPath("D:\\a\0b\x84\x98.c", 11);
  const std::string analyse = readBytes(workingLoc_ + "_qac_8_1_2-R_Analyse.bat");
  EXPECT_NE(analyse.find("\r\necho 1/1 : \"" + oemPath + "\"\r\n"), std::string::npos);
}

TEST_F(HostileInput, ProjectFileThatIsAFolder) {
  makeFolders(project());
  const RunResult run = runTool();
  EXPECT_EQ(run.status, 2);
  const std::string tail =
      crlfLines({"File Not Found: " + project(), "Error: Could not open file: " + project()});
  ASSERT_GE(run.output.size(), tail.size());
  EXPECT_EQ(run.output.substr(run.output.size() - tail.size()), tail);
  EXPECT_FALSE(exists(workingLoc_ + "_qac_list.txt"));
}

TEST_F(HostileInput, EmptyProjectFile) {
  writeBytes(project(), "");
  runToCompletion();
  EXPECT_EQ(readBytes(workingLoc_ + "_qac_list.txt"), listHead());
  const std::string analyse = readBytes(workingLoc_ + "_qac_8_1_2-R_Analyse.bat");
  EXPECT_EQ(std::count(analyse.begin(), analyse.end(), '\n'), 9);
}

TEST_F(HostileInput, NoFinalLineEnd) {
  writeBytes(project(), "D:\\a.c\r\nFolderName=Proj\r\nD:\\b.c");
  runToCompletion();
  EXPECT_EQ(readBytes(workingLoc_ + "_qac_list.txt"),
            crlfLines({"-op\"" + workingLoc_ + "\"", "-cmaf \"" + workingLoc_ + "Proj\"",
                       "\"D:\\a.c\"", "\"D:\\b.c\""}));
}

}  // namespace
}  // namespace brennholtzgate::e2e
