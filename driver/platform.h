#pragma once

#include <cstdint>
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

// Reads the version resource of the program file `file`. Returns false when
// it has none (nothing else is set then); otherwise sets the most significant
// 32 bits of its file version, and its U.S. English "OriginalFilename" and
// "LegalCopyright" values, left empty when missing.
bool readVersionResource(const std::string& file, std::uint32_t& fileVersionMostSignificant,
                         std::string& originalFilename, std::string& legalNotice);

}  // namespace brennholtzgate
