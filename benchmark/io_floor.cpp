// The I/O floor of a run under Wine: a Windows program that moves the bytes
// of a run and does nothing else. It reads the project file through the same
// 64 KiB stream buffer as the tool and writes each output file, of the size
// the tool gave it, in the tool's blocks through the same calls; it parses
// and builds nothing and prints nothing.
//
//   io_floor <project file> <output file> <bytes> [<output file> <bytes> ...]
#include <cstdlib>
#include <fstream>
#include <limits>
#include <string>

#include "files/input_file.h"
#include "files/output_file.h"

namespace bhg = brennholtzgate;

namespace {

void readThrough(const std::string& path) {
  bhg::InputBuffer buffer;
  std::ifstream in;
  if (!bhg::openInput(in, buffer, path)) std::exit(1);
  in.ignore(std::numeric_limits<std::streamsize>::max());
}

void writeOfSize(const std::string& path, std::size_t size) {
  bhg::OutputBuffer buffer;
  std::ofstream out;
  bhg::openOutput(out, buffer, path);
  while (size > 0) {
    const std::size_t block = size < bhg::outputBlockSize ? size : bhg::outputBlockSize;
    buffer.assign(block, 'x');
    bhg::writeBlock(out, buffer);
    size -= block;
  }
  bhg::closeOutput(out, buffer, path);
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc < 2 || argc % 2 != 0) return 2;
  readThrough(argv[1]);
  for (int i = 2; i + 1 < argc; i += 2) {
    writeOfSize(argv[i], std::strtoull(argv[i + 1], nullptr, 10));
  }
  return 0;
}
