// The working folder from BuildConfig.txt, the banner, and help.
#include <gtest/gtest.h>
#include <windows.h>

#include "tests/e2e/e2e_support.h"

namespace brennholtzgate::e2e {
namespace {

class ConfigAndBanner : public CodeTreeTest {
 protected:
  std::string binFolder() const { return codeLoc_ + "..\\Bin\\"; }

  // Runs the tool with BuildConfig.txt holding `config`, with a project file
  // in `expectedWorkingLoc`, and checks the whole run.
  void checkRunWithConfig(const std::string& config, const std::string& expectedWorkingLoc) {
    makeFolders(binFolder());
    writeBytes(binFolder() + "BuildConfig.txt", config);
    makeFolders(expectedWorkingLoc);
    writeBytes(expectedWorkingLoc + "_qac_gui.prj", "D:\\a.c\r\n");
    const RunResult run = runTool();
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.output,
              crlfLines({"qacLoc :       " + qacLoc_, "codeLoc:       " + codeLoc_,
                         "qacWorkingLoc: " + expectedWorkingLoc,
                         "Found Config File: " + expectedWorkingLoc + "_qac_gui.prj",
                         "creating: " + expectedWorkingLoc + "_qac_8_1_2-R_Analyse.bat",
                         "creating: " + expectedWorkingLoc + "_qac_8_1_2-R_View_Misra.bat",
                         "Please change folder to: " + expectedWorkingLoc +
                             " and execute the batch files"}));
    EXPECT_EQ(readBytes(expectedWorkingLoc + "_qac_list.txt"),
              crlfLines({"-op\"" + expectedWorkingLoc + "\"",
                         "-cmaf \"" + expectedWorkingLoc + "cmaFile\"", "\"D:\\a.c\""}));
  }

  void checkHelp(const std::string& arguments) {
    const RunResult run = runTool(arguments);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.output.rfind("Usage: Brennholtzgate.exe [project file]\r\n", 0), 0U)
        << run.output;
    EXPECT_NE(run.output.find("\r\nExit status: 0 "), std::string::npos) << run.output;
    EXPECT_EQ(run.output.find("qacLoc"), std::string::npos) << run.output;
    // Nothing read, nothing written.
    EXPECT_FALSE(exists(workingLoc_ + "_qac_list.txt"));
    EXPECT_FALSE(exists(workingLoc_ + "_qac_8_1_2-R_Analyse.bat"));
  }
};

TEST_F(ConfigAndBanner, RelativeTmpValue) {
  checkRunWithConfig("[Build]\r\ntmp=..\\Tmp\r\n", codeLoc_ + "..\\Bin\\..\\Tmp\\qac\\");
}

TEST_F(ConfigAndBanner, AbsoluteTmpValue) {
  checkRunWithConfig("  tmp=" + base_ + "Abs  \r\n", base_ + "Abs\\qac\\");
}

TEST_F(ConfigAndBanner, NoTmpKeyGivesTwoBackslashesAfterBin) {
  checkRunWithConfig("out=..\\Out\r\n", codeLoc_ + "..\\Bin\\\\qac\\");
}

TEST_F(ConfigAndBanner, FolderNamedBuildConfigStopsBeforeTheLocations) {
  makeFolders(binFolder() + "BuildConfig.txt");
  writeBytes(workingLoc_ + "_qac_gui.prj", "D:\\a.c\r\n");
  const RunResult run = runTool();
  EXPECT_EQ(run.output,
            crlfLines({"Error: Could not open file: " + binFolder() + "BuildConfig.txt"}));
  EXPECT_EQ(run.status, 2);
  EXPECT_FALSE(exists(workingLoc_ + "_qac_list.txt"));
}

TEST_F(ConfigAndBanner, BannerWhenStartedByNameFromThePrompt) {
  writeBytes(workingLoc_ + "_qac_gui.prj", "D:\\a.c\r\n");
  // Argument 0 is then "Brennholtzgate", without extension.
  const RunResult run = runCommand("cmd /c Brennholtzgate", qacLoc_);
  EXPECT_EQ(run.status, 0) << run.output;
  EXPECT_EQ(withoutBanner(run.output).rfind("qacLoc :       " + qacLoc_ + "\r\n", 0), 0U)
      << run.output;
}

TEST_F(ConfigAndBanner, HelpWithSlashQuestionMark) { checkHelp("/?"); }

TEST_F(ConfigAndBanner, HelpWithDashDashHelp) { checkHelp("--help"); }

TEST_F(ConfigAndBanner, HelpWhenItIsTheLastArgument) { checkHelp("some.prj --help"); }

TEST_F(ConfigAndBanner, HelpOnlyAsTheWholeArgument) {
  const RunResult run = runTool("--helpme");
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.output.find("File Not Found: " + base_ + "--helpme\r\n"), std::string::npos)
      << run.output;
}

}  // namespace
}  // namespace brennholtzgate::e2e
