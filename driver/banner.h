#pragma once

#include <string>

namespace brennholtzgate {

// Prints "<OriginalFilename> version <major>.<minor> from <build date>" and
// the legal notice, from the version resource of `programFile`; prints
// nothing when that file has no version resource.
void printVersionBanner(std::string programFile);

}  // namespace brennholtzgate
