#include "driver/run.h"

#include <string>

#include "driver/banner.h"
#include "driver/console.h"
#include "driver/globals.h"
#include "driver/locations.h"
#include "driver/platform.h"
#include "files/file_status.h"
#include "generate/batch_files.h"
#include "generate/batch_text.h"
#include "generate/list_file.h"
#include "inputs/build_config.h"
#include "inputs/project_file.h"

namespace brennholtzgate {
namespace {

const char* const usageLines[] = {
    "Usage: Brennholtzgate.exe [project file]",
    "",
    "Writes the files for an analysis with QAC 8.1.2-R into the working folder:",
    "  _qac_list.txt                 the list file, read by the analyser's viewer",
    "  _qac_8_1_2-R_Analyse.bat      runs the analyser on every source path",
    "  _qac_8_1_2-R_View_Misra.bat   runs the viewer on the list file",
    "",
    "This program lies in <code tree>\\Tools\\Qac\\. The working folder is",
    "<code tree>\\Tmp\\qac\\, or the folder named on the \"tmp=\" line of",
    "<code tree>\\..\\Bin\\BuildConfig.txt followed by \\qac\\.",
    "",
    "Without an argument the project file is _qac_gui.prj in the working folder;",
    "otherwise it is the last argument, relative to the current folder.",
    "",
    "Exit status: 0 all three files written; 1 the project file was not found or",
    "its path is not correct; 2 any other error, reported on an \"Error: \" line.",
};

bool asksForHelp(int argc, char* argv[]) {
  if (argc < 2) return false;
  const std::string last = argv[argc - 1];
  return last == "/?" || last == "--help";
}

void printUsage() {
  for (const char* line : usageLines) printLine(line);
}

std::string workingLocFor(const std::string& codeLoc) {
  const std::string buildConfigFile = codeLoc + "..\\Bin\\BuildConfig.txt";
  if (pathExists(buildConfigFile)) {
    return workingLocFromBuildConfig(codeLoc, readBuildConfigTmp(buildConfigFile));
  }
  return defaultWorkingLoc(codeLoc);
}

void printLocations(const std::string& codeLoc) {
  printLine("qacLoc :       " + qacLoc);
  printLine("codeLoc:       " + codeLoc);
  printLine("qacWorkingLoc: " + qacWorkingLoc);
}

}  // namespace

int runBrennholtzgate(int argc, char* argv[]) {
  // The module path, not argument 0: started by name from a prompt, argument 0
  // has no extension and the version resource would not be found.
  const std::string modulePath = executablePath();
  printVersionBanner(modulePath);
  if (asksForHelp(argc, argv)) {
    printUsage();
    return 0;
  }

  qacLoc = qacLocFromModulePath(modulePath);
  const std::string codeLoc = codeLocFromQacLoc(qacLoc);
  qacWorkingLoc = workingLocFor(codeLoc);
  printLocations(codeLoc);

  std::string projectFile;
  if (argc > 1) {
    // Only the last argument counts.
    const std::string argument = argv[argc - 1];
    const auto fullPath = fullPathOf(argument);
    if (!fullPath) {
      printLine("Error:  Path not correct: " + argument);
      return 1;
    }
    projectFile = *fullPath;
  } else {
    projectFile = qacWorkingLoc + "_qac_gui.prj";
    if (!pathExists(projectFile)) {
      printLine("Error: QAC Project file not found: " + projectFile);
      return 1;
    }
  }
  printLine("Found Config File: " + projectFile);
  readProjectFile(projectFile);
  // Before the first file is written: a path that a batch file cannot name
  // fails the run with nothing written.
  checkBatchFileValues();

  const std::string listFile = qacWorkingLoc + "_qac_list.txt";
  const std::string analyseBatchFile = qacWorkingLoc + "_qac_8_1_2-R_Analyse.bat";
  const std::string viewBatchFile = qacWorkingLoc + "_qac_8_1_2-R_View_Misra.bat";
  const std::string qacBin = qacLoc + "QAC-8.1.2-R\\bin\\";
  const std::string qacExe = qacBin + "qac";
  const std::string viewerExe = qacBin + "Viewer";
  const std::string viaFile = qacWorkingLoc + "_qac_cfg.txt";

  writeListFile(qacWorkingLoc, listFile);
  writeAnalyseBatch(analyseBatchFile, qacExe, qacBin, viaFile);
  writeViewBatch(viewBatchFile, viewerExe, qacBin, listFile, viaFile);

  printLine("Please change folder to: " + qacWorkingLoc + " and execute the batch files");
  return 0;
}

}  // namespace brennholtzgate
