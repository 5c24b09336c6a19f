#pragma once

#include <string>

namespace brennholtzgate {

// Reads the analyser front end's project file: every source path line goes to
// the back of entryQueue, enclosed in double quotes; the first line starting
// with "FolderName=" gives cmaFile.
//
// A file that cannot be opened prints "File Not Found: <path>" and raises
// bad_open; a read error raises bad_read; a source line holding a double quote
// raises bad_source_line.
void readProjectFile(std::string path);

}  // namespace brennholtzgate
