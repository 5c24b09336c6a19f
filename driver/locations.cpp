#include "driver/locations.h"

namespace brennholtzgate {

std::string qacLocFromModulePath(const std::string& modulePath) {
  const auto lastBackslash = modulePath.rfind('\\');
  if (lastBackslash == std::string::npos) return modulePath + '\\';
  return modulePath.substr(0, lastBackslash + 1);
}

std::string codeLocFromQacLoc(const std::string& qacLoc) {
  const auto tools = qacLoc.find("\\Tools");
  if (tools == std::string::npos) return qacLoc + '\\';
  return qacLoc.substr(0, tools) + '\\';
}

std::string workingLocFromBuildConfig(const std::string& codeLoc, const std::string& tmpValue) {
  std::string folder = tmpValue + "\\qac\\";
  if (folder.find(':') != std::string::npos) return folder;
  return codeLoc + "..\\Bin\\" + folder;
}

std::string defaultWorkingLoc(const std::string& codeLoc) { return codeLoc + "Tmp\\qac\\"; }

}  // namespace brennholtzgate
