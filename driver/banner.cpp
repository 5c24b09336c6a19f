#include "driver/banner.h"

#include <cstdint>

#include "driver/console.h"
#include "driver/platform.h"
#include "driver/version_text.h"

namespace brennholtzgate {

void printVersionBanner(std::string programFile) {
  std::uint32_t fileVersion = 0;
  std::string originalFilename;
  std::string legalNotice;
  if (!readVersionResource(programFile, fileVersion, originalFilename, legalNotice)) return;
  printLine(originalFilename + " version " + versionNumberText(fileVersion) + " from " +
            buildDateText());
  printLine(legalNotice);
}

}  // namespace brennholtzgate
