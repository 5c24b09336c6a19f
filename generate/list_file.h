#pragma once

#include <string>

namespace brennholtzgate {

// Writes the list file that the analyser's viewer reads: the output folder,
// the CMA file, then every entry of entryQueue, one per line, verbatim.
// Raises bad_open when the file cannot be opened and bad_write when it is not
// completely written.
void writeListFile(std::string workingDir, std::string listFile);

}  // namespace brennholtzgate
