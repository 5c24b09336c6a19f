#include "driver/version_text.h"

namespace brennholtzgate {

std::string versionNumberText(std::uint32_t fileVersionMostSignificant) {
  const std::uint32_t major = fileVersionMostSignificant >> 16;
  const std::uint32_t minor = fileVersionMostSignificant & 0xFFFFU;
  return std::to_string(major) + "." + std::to_string(minor);
}

}  // namespace brennholtzgate
