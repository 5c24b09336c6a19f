// The three generated files of a whole run, byte for byte, and what the two
// batch files do when the command interpreter runs them.
#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "tests/e2e/e2e_support.h"

namespace brennholtzgate::e2e {
namespace {

const std::string analyseName = "_qac_8_1_2-R_Analyse.bat";
const std::string viewName = "_qac_8_1_2-R_View_Misra.bat";

class Batch : public CodeTreeTest {
 protected:
  std::string qacBin() const { return qacLoc_ + "QAC-8.1.2-R\\bin\\"; }

  // The project file of the sample tree, with the given source paths.
  void writeProject(const std::vector<std::string>& paths) {
    std::string text = "[Project]\r\n";
    for (const std::string& path : paths) text += path + "\r\n";
    writeBytes(workingLoc_ + "_qac_gui.prj", text);
  }

  // Puts the stand-ins where the batch files look for the analyser.
  void installStandIns() {
    makeFolders(qacBin());
    copyFile(builtProgram("qac.exe"), qacBin() + "qac.exe");
    copyFile(builtProgram("Viewer.exe"), qacBin() + "Viewer.exe");
  }

  // What a stand-in prints when the batch file of this tree calls it.
  std::string standInCall(const std::string& program,
                          const std::vector<std::string>& arguments) const {
    std::string call = program;
    for (const std::string& argument : arguments) call += "|" + argument;
    return crlfLines({call, "QACBIN=" + qacBin(), "QACOUTPATH=" + workingLoc_,
                      "QACTEMP=" + workingLoc_, "QACPATH=" + qacLoc_ + "QAC-8.1.2-R\\",
                      "QACHELPFILES=" + qacLoc_ + "QAC-8.1.2-R\\help\\",
                      "PATH begins with QACBIN: yes"});
  }

  // Runs a generated batch file as the user would: from the working folder,
  // with an argument so that it does not wait for a key.
  RunResult runBatch(const std::string& name) {
    return runCommand("cmd /c " + name + " x", workingLoc_);
  }

  // Both batch files, run by the interpreter, call the stand-ins with exactly
  // the arguments and environment of this tree.
  void checkBatchFilesRun(const std::vector<std::string>& sources) {
    installStandIns();
    writeProject(sources);
    const RunResult tool = runTool();
    ASSERT_EQ(tool.status, 0) << tool.output;

    std::string expected;
    const std::string total = std::to_string(sources.size());
    for (size_t i = 0; i < sources.size(); ++i) {
      expected += echoedByInterpreter(std::to_string(i + 1) + "/" + total + " : \"" + sources[i] +
                                      "\"\r\n");
      expected += standInCall("qac.exe", {"-ppmetrics+", "-pplist+", "-ppfilename+", "-via",
                                          workingLoc_ + "_qac_cfg.txt", sources[i]});
    }
    expected += "\"Finished!\"\r\n";
    const RunResult analyse = runBatch(analyseName);
    EXPECT_EQ(analyse.output, expected);
    EXPECT_EQ(analyse.status, 0);

    const RunResult view = runBatch(viewName);
    EXPECT_EQ(
        view.output,
        "executing program.\r\n" +
            standInCall("Viewer.exe", {"QAC", "-via", workingLoc_ + "_qac_cfg.txt", "-list",
                                       workingLoc_ + "_qac_list.txt"}) +
            echoedByInterpreter("\"The file will be generated in: " + workingLoc_ + "\"\r\n"));
    EXPECT_EQ(view.status, 0);
  }
};

TEST_F(Batch, WholeSampleTree) {
  writeProject({codeLoc_ + "Src\\main.c", codeLoc_ + "Src\\util.c"});
  const RunResult run = runTool();
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(
      run.output,
      crlfLines({"qacLoc :       " + qacLoc_, "codeLoc:       " + codeLoc_,
                 "qacWorkingLoc: " + workingLoc_,
                 "Found Config File: " + workingLoc_ + "_qac_gui.prj",
                 "creating: " + workingLoc_ + analyseName, "creating: " + workingLoc_ + viewName,
                 "Please change folder to: " + workingLoc_ + " and execute the batch files"}));
  EXPECT_EQ(readBytes(workingLoc_ + "_qac_list.txt"),
            crlfLines({"-op\"" + workingLoc_ + "\"", "-cmaf \"" + workingLoc_ + "cmaFile\"",
                       "\"" + codeLoc_ + "Src\\main.c\"", "\"" + codeLoc_ + "Src\\util.c\""}));
  const std::vector<std::string> block = {
      "@echo off",
      "set QACBIN=" + qacBin(),
      "set QACOUTPATH=" + workingLoc_,
      "set QACTEMP=" + workingLoc_,
      "set QACPATH=" + qacLoc_ + "QAC-8.1.2-R\\",
      "set QACHELPFILES=" + qacLoc_ + "QAC-8.1.2-R\\help\\",
      "set PATH=%QACBIN%;%PATH%",
  };
  const std::string blockText = crlfLines(block);
  const std::string call = "\"" + qacBin() + "qac\" -ppmetrics+ -pplist+ -ppfilename+ -via \"" +
                           workingLoc_ + "_qac_cfg.txt\" ";
  EXPECT_EQ(readBytes(workingLoc_ + analyseName),
            blockText + crlfLines({"echo 1/2 : \"" + codeLoc_ + "Src\\main.c\"",
                                   call + "\"" + codeLoc_ + "Src\\main.c\"",
                                   "echo 2/2 : \"" + codeLoc_ + "Src\\util.c\"",
                                   call + "\"" + codeLoc_ + "Src\\util.c\"", "echo \"Finished!\"",
                                   "IF X%1==X pause"}));
  EXPECT_EQ(readBytes(workingLoc_ + viewName),
            blockText + crlfLines({"echo executing program.",
                                   "\"" + qacBin() + "Viewer\" QAC -via \"" + workingLoc_ +
                                       "_qac_cfg.txt\" -list \"" + workingLoc_ + "_qac_list.txt\"",
                                   "echo \"The file will be generated in: " + workingLoc_ + "\"",
                                   "IF X%1==X pause"}));
}

TEST_F(Batch, AnalyseBatchNameIsAFolder) {
  writeProject({"D:\\a.c"});
  makeFolders(workingLoc_ + analyseName);
  const RunResult run = runTool();
  EXPECT_EQ(run.status, 2);
  const std::string tail = crlfLines({"creating: " + workingLoc_ + analyseName,
                                      "Error: Could not open file: " + workingLoc_ + analyseName});
  ASSERT_GE(run.output.size(), tail.size());
  EXPECT_EQ(run.output.substr(run.output.size() - tail.size()), tail) << run.output;
  EXPECT_TRUE(exists(workingLoc_ + "_qac_list.txt"));
  EXPECT_FALSE(exists(workingLoc_ + viewName));
}

TEST_F(Batch, RunningTwiceGivesTheSameFiles) {
  writeProject({"D:\\a.c", "D:\\b.c"});
  for (const std::string& name : {std::string("_qac_list.txt"), analyseName, viewName}) {
    writeBytes(workingLoc_ + name, std::string(200000, 'x'));  // longer, left from before
  }
  ASSERT_EQ(runTool().status, 0);
  const std::string list = readBytes(workingLoc_ + "_qac_list.txt");
  const std::string analyse = readBytes(workingLoc_ + analyseName);
  const std::string view = readBytes(workingLoc_ + viewName);
  EXPECT_EQ(list.find('x'), std::string::npos);
  EXPECT_EQ(analyse.substr(0, 10), "@echo off\r");
  EXPECT_EQ(analyse.substr(analyse.size() - 17), "IF X%1==X pause\r\n");
  EXPECT_EQ(view.substr(view.size() - 17), "IF X%1==X pause\r\n");
  ASSERT_EQ(runTool().status, 0);
  EXPECT_EQ(readBytes(workingLoc_ + "_qac_list.txt"), list);
  EXPECT_EQ(readBytes(workingLoc_ + analyseName), analyse);
  EXPECT_EQ(readBytes(workingLoc_ + viewName), view);
}

TEST_F(Batch, BatchFilesRunForAnOrdinaryTree) {
  checkBatchFilesRun(
      {codeLoc_ + "Src\\main.c", codeLoc_ + "Src\\util.c", codeLoc_ + "Src\\main.c"});
}

TEST_F(Batch, BatchFilesRunForATreeUnderAmpersand) {
  // A "%" in the folder is checked byte for byte by the unit tests only: Wine's
  // interpreter expands "%" again inside the value of %QACBIN%, which the
  // real one does not.
  layTree(base_ + "R&D ^1\\");
  checkBatchFilesRun({codeLoc_ + "Src\\100%.c", codeLoc_ + "Src\\a&b.c", codeLoc_ + "Src\\%PATH%.c",
                      codeLoc_ + "Src\\x^y.c"});
}

// Paths beyond ASCII. The tool holds them in the ANSI code page (1252 here);
// the interpreter reads batch files in the OEM one: 437 under Wine's default
// locale, 850 when CTest runs these tests again with LC_ALL=de_DE.UTF-8.
class CodePages : public Batch {
 protected:
  void SetUp() override {
    if (!westernCodePages()) {
      GTEST_SKIP() << "written for ANSI 1252 with OEM 437 or 850, not " << GetACP() << "/"
                   << GetOEMCP();
    }
    Batch::SetUp();
  }

  // The run fails on `path` before anything is written: old files stay.
  void checkRefused(const std::string& path) {
    const std::vector<std::string> outputs = {"_qac_list.txt", analyseName, viewName};
    for (const std::string& name : outputs) writeBytes(workingLoc_ + name, "old " + name);
    const RunResult run = runTool();
    EXPECT_EQ(run.status, 2);
    const std::string tail = crlfLines(
        {"Found Config File: " + workingLoc_ + "_qac_gui.prj",
         "Error: Path cannot be written for the command interpreter (a character of ANSI code "
         "page 1252 is missing from OEM code page " +
             std::to_string(GetOEMCP()) + "): " + path});
    ASSERT_GE(run.output.size(), tail.size()) << run.output;
    EXPECT_EQ(run.output.substr(run.output.size() - tail.size()), tail) << run.output;
    for (const std::string& name : outputs) {
      EXPECT_EQ(readBytes(workingLoc_ + name), "old " + name);
    }
  }
};

TEST_F(CodePages, UmlautsInFolderAndEntries) {
  // \xE4 is a-umlaut and \xFC u-umlaut in 1252; both OEM code pages have them
  // at 0x84 and 0x81.
  layTree(base_ + "W\xE4rk M\xFCller\\");
  const std::vector<std::string> sources = {codeLoc_ + "Src\\\xC4nderung.c",
                                            codeLoc_ + "Src\\Gru\xDF 1.c",
                                            codeLoc_ + "Src\\caf\xE9 100%.c"};
  checkBatchFilesRun(sources);

  EXPECT_EQ(
      readBytes(workingLoc_ + "_qac_list.txt"),
      crlfLines({"-op\"" + workingLoc_ + "\"", "-cmaf \"" + workingLoc_ + "cmaFile\"",
                 "\"" + sources[0] + "\"", "\"" + sources[1] + "\"", "\"" + sources[2] + "\""}));
  const std::string analyse = readBytes(workingLoc_ + analyseName);
  EXPECT_NE(analyse.find("W\x84rk M\x81ller\\Work\\Proj\\Src\\\x8Enderung.c\""), std::string::npos);
  EXPECT_NE(analyse.find("\\Gru\xE1 1.c\""), std::string::npos);
  EXPECT_NE(analyse.find("\\caf\x82 100%%.c\""), std::string::npos);
  EXPECT_EQ(analyse.find_first_of("\xE4\xFC\xC4\xDF\xE9"), std::string::npos);
  EXPECT_EQ(readBytes(workingLoc_ + viewName).find_first_of("\xE4\xFC"), std::string::npos);
}

TEST_F(CodePages, LettersThatOnlyCodePage850Has) {
  // O-stroke (\xD8) and o-tilde (\xF5): 850 has them, 437 has neither.
  layTree(base_ + "\xD8resund\\");
  const std::string source = codeLoc_ + "Src\\S\xF5o Paulo.c";
  if (GetOEMCP() == 437) {
    writeProject({source});
    checkRefused(qacLoc_);
    return;
  }
  checkBatchFilesRun({source});
  EXPECT_NE(
      readBytes(workingLoc_ + analyseName).find("\\\x9Dresund\\Work\\Proj\\Src\\S\xE4o Paulo.c\""),
      std::string::npos);
}

TEST_F(CodePages, EuroSignInAnEntryIsRefused) {
  // \x80 is the euro sign in 1252; neither 437 nor 850 has it.
  const std::string source = codeLoc_ + "Src\\Preis 5\x80.c";
  writeProject({codeLoc_ + "Src\\main.c", source});
  checkRefused(source);
}

TEST_F(CodePages, EuroSignInTheTreeFolderIsRefused) {
  layTree(base_ + "Kosten \x80\\");
  writeProject({"D:\\a.c"});
  checkRefused(qacLoc_);
}

}  // namespace
}  // namespace brennholtzgate::e2e
