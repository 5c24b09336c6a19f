#include "files/output_file.h"

#include "files/errors.h"

namespace brennholtzgate {

void openOutput(std::ofstream& out, OutputBuffer& buffer, const std::string& path) {
  // Our blocks are the buffering: the stream passes them straight on.
  out.rdbuf()->pubsetbuf(nullptr, 0);
  out.open(path, std::ios::out | std::ios::trunc | std::ios::binary);
  if (!out.is_open()) throw bad_open(path);
  buffer.clear();
  buffer.reserve(outputBlockSize + 4096);
}

void writeBlock(std::ofstream& out, OutputBuffer& buffer) {
  const auto size = static_cast<std::streamsize>(buffer.size());
  if (size > 0 && out.rdbuf()->sputn(buffer.data(), size) != size) out.setstate(std::ios::badbit);
  buffer.clear();
}

void closeOutput(std::ofstream& out, OutputBuffer& buffer, const std::string& path) {
  writeBlock(out, buffer);
  const bool written = !out.bad() && out.rdbuf()->pubsync() == 0;
  out.close();
  if (!written || out.fail()) throw bad_write(path);
}

}  // namespace brennholtzgate
