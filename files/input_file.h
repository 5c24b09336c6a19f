#pragma once

#include <fstream>
#include <string>
#include <vector>

namespace brennholtzgate {

// The stream buffer of one input file: large enough that reading costs a
// system call per 64 KiB, not per 512 bytes (MinGW's default).
using InputBuffer = std::vector<char>;

// Opens `path` for reading, byte for byte, with `buffer` as the stream's
// buffer (declare it before the stream: it must outlive it). Returns false
// when there is nothing to read from: the open failed, or `path` is a
// directory (which Linux would let us open, Windows not).
bool openInput(std::ifstream& in, InputBuffer& buffer, const std::string& path);

// Reads the next line into `line`, without its line end: a carriage return
// directly before the line feed belongs to the line end, any other stays.
// A last line without a line feed is still a line.
inline bool readLine(std::ifstream& in, std::string& line) {
  if (!std::getline(in, line)) return false;
  if (!line.empty() && line.back() == '\r' && !in.eof()) line.pop_back();
  return true;
}

// After the last readLine: raises bad_read when reading stopped on an error
// rather than at the end of the file.
void checkReadToEnd(const std::ifstream& in, const std::string& path);

}  // namespace brennholtzgate
