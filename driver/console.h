#pragma once

#include <string_view>

namespace brennholtzgate {

// Every line the program prints goes through printLine.

// Decides, once and before the first line, where lines go: to the console
// as UTF-16 when standard output is one, otherwise to standard output as the
// ANSI bytes they are, one write per line. Until it is called, lines go to
// std::cout, as in the unit tests.
void prepareConsoleOutput();

// Prints `line` and its line end.
void printLine(std::string_view line);

}  // namespace brennholtzgate
