#pragma once

#include <cstring>
#include <fstream>
#include <initializer_list>
#include <string>
#include <string_view>

namespace brennholtzgate {

// The lines of one output file not yet handed to the stream. Lines are
// collected here and written in blocks: a stream call per piece of a line
// would cost more than the bytes themselves.
using OutputBuffer = std::string;

// Size of the blocks handed to the stream.
constexpr std::size_t outputBlockSize = std::size_t{256} * 1024;

// Opens `path` for writing in binary mode, creating or truncating it.
// Raises bad_open when the file cannot be opened for any reason, a missing
// folder included: a generated file is never lost without a word.
void openOutput(std::ofstream& out, OutputBuffer& buffer, const std::string& path);

// Hands the collected lines to the stream; a failed write leaves the stream
// bad, and closeOutput reports it.
void writeBlock(std::ofstream& out, OutputBuffer& buffer);

// Adds the pieces of one line and its CR LF: the buffer grows once per line,
// and each piece is one copy.
inline void writeLine(std::ofstream& out, OutputBuffer& buffer,
                      std::initializer_list<std::string_view> pieces) {
  std::size_t length = 2;
  for (const std::string_view piece : pieces) length += piece.size();
  const std::size_t start = buffer.size();
  buffer.resize(start + length);
  char* to = buffer.data() + start;
  for (const std::string_view piece : pieces) {
    if (!piece.empty()) std::memcpy(to, piece.data(), piece.size());
    to += piece.size();
  }
  to[0] = '\r';
  to[1] = '\n';
  if (buffer.size() >= outputBlockSize) writeBlock(out, buffer);
}

// Writes what is left, flushes and closes the file. Raises bad_write when any
// write, the flush or the close failed, so a run never reports a half-written
// file as done.
void closeOutput(std::ofstream& out, OutputBuffer& buffer, const std::string& path);

}  // namespace brennholtzgate
