#include "inputs/build_config.h"

#include <boost/algorithm/string/trim.hpp>

#include "files/errors.h"
#include "files/file_status.h"
#include "files/input_file.h"

namespace brennholtzgate {

std::string readBuildConfigTmp(std::string path) {
  InputBuffer buffer;
  std::ifstream in;
  if (!openInput(in, buffer, path)) {
    if (pathExists(path)) throw bad_open(path);
    return std::string();
  }

  std::string value;
  std::string line;
  while (readLine(in, line)) {
    // The length counts as read, before trimming: "tmp=" alone is skipped and
    // keeps an earlier value, "tmp= " empties it.
    if (line.size() < 5) continue;
    boost::algorithm::trim(line);
    if (line.compare(0, 4, "tmp=") == 0) value = line.substr(4);
  }
  checkReadToEnd(in, path);
  return value;
}

}  // namespace brennholtzgate
