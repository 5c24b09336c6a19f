#pragma once

#include <optional>
#include <string>

namespace brennholtzgate {

// The few calls into the operating system that the run needs. One file per
// platform implements them; the build picks the file.

// The full path of the running executable, however long.
std::string executablePath();

// `argument` made absolute against the current folder, nothing tested for
// existence; empty when the result would not fit in 260 characters or the
// system rejects the argument.
std::optional<std::string> fullPathOf(std::string argument);

}  // namespace brennholtzgate
