#pragma once

#include <string>

namespace brennholtzgate {

// The rules that turn the executable's path into the three locations. Plain
// text operations: nothing is resolved, ".." and doubled backslashes stay.

// The executable's folder: the module path up to and including its last
// backslash, whatever the executable is called.
std::string qacLocFromModulePath(const std::string& modulePath);

// The root of the code tree: `qacLoc` before its first "\Tools", plus a
// backslash; without "\Tools", `qacLoc` plus a second backslash.
std::string codeLocFromQacLoc(const std::string& qacLoc);

// The working folder named by the build configuration's "tmp=" value: the
// value and "\qac\", taken as absolute when it holds a colon (a drive letter),
// otherwise relative to the folder of the build configuration file.
std::string workingLocFromBuildConfig(const std::string& codeLoc, const std::string& tmpValue);

// The working folder when there is no build configuration file.
std::string defaultWorkingLoc(const std::string& codeLoc);

}  // namespace brennholtzgate
