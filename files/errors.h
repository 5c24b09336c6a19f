#pragma once

#include <stdexcept>
#include <string>
#include <utility>

namespace brennholtzgate {

// The program's own error family. The entry point catches it, prints one
// "Error: " line and ends the run with status 2.
class exception : public std::exception {};

// An error about one file; the path goes into the error line so that the user
// knows which file to look at.
class file_error : public exception {
 public:
  file_error(std::string message, std::string path)
      : message_(std::move(message)), path_(std::move(path)) {}
  const char* what() const noexcept override { return message_.c_str(); }
  const std::string& path() const noexcept { return path_; }

 private:
  std::string message_;
  std::string path_;
};

// A file that exists but cannot be opened, or an output file that cannot be
// created.
class bad_open : public file_error {
 public:
  explicit bad_open(std::string path) : file_error("Could not open file", std::move(path)) {}
};

// Reading stopped before the end of the file: half a file is never used.
class bad_read : public file_error {
 public:
  explicit bad_read(std::string path) : file_error("Could not read file", std::move(path)) {}
};

// A write, flush or close failed: the file on disk is not what we wrote.
class bad_write : public file_error {
 public:
  explicit bad_write(std::string path) : file_error("Could not write file", std::move(path)) {}
};

// A source line that cannot be a Windows path and would break the quoting of
// every generated line it lands in.
class bad_source_line : public file_error {
 public:
  bad_source_line(std::string path, long lineNumber)
      : file_error("Double quote in source line " + std::to_string(lineNumber) + " of file",
                   std::move(path)) {}
};

// A path that a batch file cannot name: the command interpreter reads batch
// files in the OEM code page, which lacks one of the path's characters.
class bad_code_page : public file_error {
 public:
  bad_code_page(std::string path, unsigned ansiCodePage, unsigned oemCodePage)
      : file_error(
            "Path cannot be written for the command interpreter (a character of ANSI "
            "code page " +
                std::to_string(ansiCodePage) + " is missing from OEM code page " +
                std::to_string(oemCodePage) + ")",
            std::move(path)) {}
};

// The one text every error of the family is reported with.
inline std::string errorLine(const exception& error) {
  std::string line = "Error: ";
  line += error.what();
  if (const auto* fileError = dynamic_cast<const file_error*>(&error)) {
    line += ": ";
    line += fileError->path();
  }
  return line;
}

}  // namespace brennholtzgate
