#pragma once

#include <string>

namespace brennholtzgate {

// The value of the last "tmp=" line of the build configuration file, trimmed;
// empty when there is none or nothing exists at `path`. Raises bad_open when
// something exists at `path` but cannot be read (a folder of that name too)
// and bad_read when reading stops on an error.
std::string readBuildConfigTmp(std::string path);

}  // namespace brennholtzgate
