#include "files/output_file.h"

#include "files/errors.h"

namespace brennholtzgate {

void openOutput(std::ofstream& out, OutputBuffer& buffer, const std::string& path) {
  out.rdbuf()->pubsetbuf(buffer.data(), static_cast<std::streamsize>(buffer.size()));
  out.open(path, std::ios::out | std::ios::trunc | std::ios::binary);
  if (!out.is_open()) throw bad_open(path);
}

void closeOutput(std::ofstream& out, const std::string& path) {
  const bool written = !out.bad() && out.rdbuf()->pubsync() == 0;
  out.close();
  if (!written || out.fail()) throw bad_write(path);
}

}  // namespace brennholtzgate
