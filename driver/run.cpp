#include "driver/run.h"

#include <iostream>
#include <string>

#include "driver/globals.h"
#include "driver/locations.h"
#include "driver/platform.h"
#include "files/file_status.h"
#include "generate/batch_files.h"
#include "generate/list_file.h"
#include "inputs/project_file.h"

namespace brennholtzgate {
namespace {

void printLine(const std::string& line) { std::cout << line << std::endl; }

void printLocations(const std::string& codeLoc) {
  printLine("qacLoc :       " + qacLoc);
  printLine("codeLoc:       " + codeLoc);
  printLine("qacWorkingLoc: " + qacWorkingLoc);
}

}  // namespace

int runBrennholtzgate(int argc, char* argv[]) {
  qacLoc = qacLocFromModulePath(executablePath());
  const std::string codeLoc = codeLocFromQacLoc(qacLoc);
  qacWorkingLoc = defaultWorkingLoc(codeLoc);
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
