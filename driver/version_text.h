#pragma once

#include <cstdint>
#include <string>

namespace brennholtzgate {

// "<major>.<minor>" from the most significant 32 bits of a file version.
std::string versionNumberText(std::uint32_t fileVersionMostSignificant);

// The date this program was built, as "Mmm dd yyyy" (a blank before a single
// digit day). Follows SOURCE_DATE_EPOCH when the build sets it, so that two
// builds of the same sources are the same.
const std::string& buildDateText();

}  // namespace brennholtzgate
