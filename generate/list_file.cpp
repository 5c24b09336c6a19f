#include "generate/list_file.h"

#include "driver/globals.h"
#include "files/output_file.h"

namespace brennholtzgate {

void writeListFile(std::string workingDir, std::string listFile) {
  OutputBuffer buffer;  // declared first: it must outlive the stream
  std::ofstream out;
  openOutput(out, buffer, listFile);
  writeLine(out, {"-op\"", workingDir, "\""});
  writeLine(out, {"-cmaf \"", workingDir, cmaFile, "\""});
  for (const std::string& entry : entryQueue) writeLine(out, {entry});
  closeOutput(out, listFile);
}

}  // namespace brennholtzgate
