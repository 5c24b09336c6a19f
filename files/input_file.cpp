#include "files/input_file.h"

#include "files/errors.h"
#include "files/file_status.h"

namespace brennholtzgate {

bool openInput(std::ifstream& in, InputBuffer& buffer, const std::string& path) {
  buffer.resize(std::size_t{64} * 1024);
  in.rdbuf()->pubsetbuf(buffer.data(), static_cast<std::streamsize>(buffer.size()));
  in.open(path, std::ios::in | std::ios::binary);
  if (!in.is_open()) return false;
  if (pathKind(path) == PathKind::directory) {
    in.close();
    return false;
  }
  return true;
}

void checkReadToEnd(const std::ifstream& in, const std::string& path) {
  if (in.bad() || !in.eof()) throw bad_read(path);
}

}  // namespace brennholtzgate
