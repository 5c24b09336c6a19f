#pragma once

#include <array>
#include <fstream>
#include <initializer_list>
#include <string>
#include <string_view>

namespace brennholtzgate {

// The stream buffer of one output file. Large enough that a generated file
// costs a system call per 64 KiB, not per line (MinGW's default is 512 bytes).
using OutputBuffer = std::array<char, 64 * 1024>;

// Opens `path` for writing in binary mode, creating or truncating it, with
// `buffer` as the stream's buffer. Raises bad_open when the file cannot be
// opened for any reason, a missing folder included: a generated file is never
// lost without a word.
void openOutput(std::ofstream& out, OutputBuffer& buffer, const std::string& path);

// Writes the pieces of one line and its CR LF. Nothing is flushed: a failed
// write leaves the stream bad, and closeOutput reports it.
inline void writeLine(std::ofstream& out, std::initializer_list<std::string_view> pieces) {
  auto* const buffer = out.rdbuf();
  bool written = true;
  for (const std::string_view piece : pieces) {
    const auto size = static_cast<std::streamsize>(piece.size());
    written = written && buffer->sputn(piece.data(), size) == size;
  }
  written = written && buffer->sputn("\r\n", 2) == 2;
  if (!written) out.setstate(std::ios::badbit);
}

// Flushes and closes the file. Raises bad_write when any write, the flush or
// the close failed, so a run never reports a half-written file as done.
void closeOutput(std::ofstream& out, const std::string& path);

}  // namespace brennholtzgate
