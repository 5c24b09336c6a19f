#include "inputs/project_file.h"

#include "driver/console.h"
#include "driver/globals.h"
#include "files/errors.h"
#include "files/input_file.h"

namespace brennholtzgate {
namespace {

const std::string folderNameKey = "FolderName=";

// A drive letter and colon, two backslashes, or any backslash in second place.
bool isSourceLine(const std::string& line) {
  return line.size() >= 2 && (line[1] == ':' || line[1] == '\\');
}

// The line between double quotes, built with one allocation and one copy.
void appendEntry(const std::string& line) {
  std::string entry(line.size() + 2, '"');
  line.copy(entry.data() + 1, line.size());
  entryQueue.push_back(std::move(entry));
}

}  // namespace

void readProjectFile(std::string path) {
  InputBuffer buffer;
  std::ifstream in;
  if (!openInput(in, buffer, path)) {
    printLine("File Not Found: " + path);
    throw bad_open(path);
  }

  bool haveFolderName = false;
  long lineNumber = 0;
  std::string line;
  while (readLine(in, line)) {
    ++lineNumber;
    if (isSourceLine(line)) {
      // A double quote would close the entry's quotes early in every batch
      // line; no Windows path holds one.
      if (line.find('"') != std::string::npos) throw bad_source_line(path, lineNumber);
      appendEntry(line);
    } else if (!haveFolderName && line.compare(0, folderNameKey.size(), folderNameKey) == 0) {
      cmaFile = line.substr(folderNameKey.size());
      haveFolderName = true;
    }
  }
  checkReadToEnd(in, path);
}

}  // namespace brennholtzgate
