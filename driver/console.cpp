#include "driver/console.h"

#include <iostream>

#include "driver/code_pages.h"

namespace brennholtzgate {
namespace {

bool linesGoToConsole = false;

}  // namespace

void prepareConsoleOutput() {
  bufferStandardOutput();
  linesGoToConsole = standardOutputIsConsole();
}

void printLine(std::string_view line) {
  if (linesGoToConsole && writeConsoleLine(line)) return;
  // Buffered standard output: the flush of std::endl is the one write.
  std::cout << line << std::endl;
}

}  // namespace brennholtzgate
