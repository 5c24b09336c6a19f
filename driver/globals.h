#pragma once

#include <deque>
#include <string>

namespace brennholtzgate {

// The process-wide values of a run. The driver sets the two locations once,
// before anything reads them; the project file reader fills the rest; the
// writers only read.

// The folder of the executable, ending in a backslash.
extern std::string qacLoc;
// The folder that receives every generated file, ending in a backslash.
extern std::string qacWorkingLoc;
// The base name of the analyser's CMA file: the project's folder name when the
// project file gives one.
extern std::string cmaFile;
// The source entries, each a path enclosed in double quotes, in file order.
extern std::deque<std::string> entryQueue;

}  // namespace brennholtzgate
