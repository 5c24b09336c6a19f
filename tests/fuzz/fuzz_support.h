#pragma once

// Helpers shared by the fuzzers: a scratch folder on a memory file system
// where there is one, whole-file reads and writes, and the line rules of our
// input files written out plainly, as the oracle the readers are checked
// against.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace fuzz {

inline std::string scratchPath(const std::string& name) {
  static const std::string folder = [] {
    const std::filesystem::path base =
        std::filesystem::exists("/dev/shm") ? "/dev/shm" : std::filesystem::temp_directory_path();
    const auto path = base / ("bhg-fuzz-" + std::to_string(getpid()));
    std::filesystem::create_directories(path);
    return path.string() + "/";
  }();
  return folder + name;
}

inline void writeAll(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) std::abort();
}

inline std::string readAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) std::abort();
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The lines of a file: split at LF, a CR directly before the LF dropped, a
// last line without LF kept, nothing after a final LF.
inline std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find('\n', start);
    if (end == std::string::npos) {
      lines.push_back(text.substr(start));
      break;
    }
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

// Stops the fuzzer with a message when a property does not hold.
inline void require(bool holds, const char* property) {
  if (!holds) {
    std::fprintf(stderr, "property violated: %s\n", property);
    std::abort();
  }
}

}  // namespace fuzz
