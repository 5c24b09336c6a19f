#include <exception>
#include <iostream>

#include "driver/run.h"
#include "files/errors.h"

// The entry point: any error ends the run with one "Error: " line and status
// 2, never with a crash dialog.
int main(int argc, char* argv[]) {
  using brennholtzgate::errorLine;
  try {
    return brennholtzgate::runBrennholtzgate(argc, argv);
  } catch (const brennholtzgate::exception& error) {
    std::cout << errorLine(error) << std::endl;
  } catch (const std::exception& error) {
    std::cout << "Error: " << error.what() << std::endl;
  }
  return 2;
}
