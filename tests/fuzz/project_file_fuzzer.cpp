// Any bytes as a project file: the reader takes exactly the source lines and
// the first folder name, rejects a source line with a double quote, and every
// entry comes out in the list file byte for byte.
#include <cstdint>

#include "driver/globals.h"
#include "files/errors.h"
#include "generate/list_file.h"
#include "inputs/project_file.h"
#include "tests/fuzz/fuzz_support.h"

namespace bhg = brennholtzgate;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  const std::string project = fuzz::scratchPath("project.prj");
  const std::string list = fuzz::scratchPath("list.txt");
  fuzz::writeAll(project, input);

  std::deque<std::string> expectedEntries;
  std::string expectedCmaFile = "cmaFile";
  bool haveFolderName = false;
  bool expectQuoteError = false;
  for (const std::string& line : fuzz::linesOf(input)) {
    if (line.size() >= 2 && (line[1] == ':' || line[1] == '\\')) {
      if (line.find('"') != std::string::npos) {
        expectQuoteError = true;
        break;
      }
      expectedEntries.push_back('"' + line + '"');
    } else if (!haveFolderName && line.rfind("FolderName=", 0) == 0) {
      expectedCmaFile = line.substr(11);
      haveFolderName = true;
    }
  }

  bhg::entryQueue.clear();
  bhg::cmaFile = "cmaFile";
  try {
    bhg::readProjectFile(project);
  } catch (const bhg::bad_source_line&) {
    fuzz::require(expectQuoteError, "only a source line with a double quote is rejected");
    return 0;
  }
  fuzz::require(!expectQuoteError, "a source line with a double quote is rejected");
  fuzz::require(bhg::entryQueue == expectedEntries, "entries are the quoted source lines");
  fuzz::require(bhg::cmaFile == expectedCmaFile, "the first folder name is taken");

  bhg::writeListFile("W\\", list);
  std::string expectedList = "-op\"W\\\"\r\n-cmaf \"W\\" + expectedCmaFile + "\"\r\n";
  for (const std::string& entry : expectedEntries) expectedList += entry + "\r\n";
  fuzz::require(fuzz::readAll(list) == expectedList, "the list file holds every entry verbatim");
  return 0;
}
