#pragma once

#include <fstream>
#include <string>

#include "files/output_file.h"

namespace brennholtzgate {

// The common beginning of both batch files: prints "creating: <batchFile>",
// opens the file (raising bad_open when it cannot be opened) and writes the
// block that sets the analyser's environment.
void beginBatchFile(std::ofstream& out, OutputBuffer& buffer, std::string batchFile,
                    std::string qacBin);

// The batch file that runs the analyser once per entry of entryQueue, with a
// progress line before each run.
void writeAnalyseBatch(std::string batchFile, std::string qacExe, std::string qacBin,
                       std::string viaFile);

// The batch file that runs the analyser's viewer on the list file.
void writeViewBatch(std::string batchFile, std::string viewerExe, std::string qacBin,
                    std::string listFile, std::string viaFile);

}  // namespace brennholtzgate
