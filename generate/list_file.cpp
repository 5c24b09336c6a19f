#include "generate/list_file.h"

#include "driver/globals.h"
#include "files/output_file.h"

namespace brennholtzgate {

void writeListFile(std::string workingDir, std::string listFile) {
  OutputBuffer buffer;
  std::ofstream out;
  openOutput(out, buffer, listFile);
  writeLine(out, buffer, {"-op\"", workingDir, "\""});
  writeLine(out, buffer, {"-cmaf \"", workingDir, cmaFile, "\""});
  for (const std::string& entry : entryQueue) writeLine(out, buffer, {entry});
  closeOutput(out, buffer, listFile);
}

}  // namespace brennholtzgate
