#include "driver/globals.h"

namespace brennholtzgate {

std::string qacLoc;
std::string qacWorkingLoc;
std::string cmaFile = "cmaFile";
std::deque<std::string> entryQueue;

}  // namespace brennholtzgate
