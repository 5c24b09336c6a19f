#include <exception>
#include <string>

#include "driver/console.h"
#include "driver/run.h"
#include "files/errors.h"

// The entry point: any error ends the run with one "Error: " line and status
// 2, never with a crash dialog.
int main(int argc, char* argv[]) {
  using brennholtzgate::errorLine;
  using brennholtzgate::printLine;
  brennholtzgate::prepareConsoleOutput();
  try {
    return brennholtzgate::runBrennholtzgate(argc, argv);
  } catch (const brennholtzgate::exception& error) {
    printLine(errorLine(error));
  } catch (const std::exception& error) {
    printLine(std::string("Error: ") + error.what());
  }
  return 2;
}
