#include "driver/banner.h"

#include <cstdint>
#include <iostream>

#include "driver/platform.h"
#include "driver/version_text.h"

namespace brennholtzgate {

void printVersionBanner(std::string programFile) {
  std::uint32_t fileVersion = 0;
  std::string originalFilename;
  std::string legalNotice;
  if (!readVersionResource(programFile, fileVersion, originalFilename, legalNotice)) return;
  std::cout << originalFilename << " version " << versionNumberText(fileVersion) << " from "
            << buildDateText() << std::endl;
  std::cout << legalNotice << std::endl;
}

}  // namespace brennholtzgate
