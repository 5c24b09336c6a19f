#include <windows.h>

#include <array>
#include <cstdlib>
#include <vector>

#include "driver/platform.h"

namespace brennholtzgate {

std::string executablePath() {
  // GetModuleFileNameA cuts the path to the buffer without a word; grow the
  // buffer until the path fits, so a deep code tree still gives the right
  // folder. Starting small keeps the growing path the everyday one.
  std::string path(64, '\0');
  for (;;) {
    const DWORD size = static_cast<DWORD>(path.size());
    const DWORD length = GetModuleFileNameA(nullptr, path.data(), size);
    if (length == 0) return std::string();
    if (length < size) {
      path.resize(length);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

std::optional<std::string> fullPathOf(std::string argument) {
  // The limit of 260 characters is kept on purpose: a longer argument is
  // reported as "Path not correct", as users know it.
  std::array<char, MAX_PATH> buffer{};
  if (_fullpath(buffer.data(), argument.c_str(), buffer.size()) == nullptr) return std::nullopt;
  return std::string(buffer.data());
}

namespace {

std::string versionString(const void* block, const char* subBlock) {
  void* value = nullptr;
  UINT length = 0;
  if (!VerQueryValueA(block, subBlock, &value, &length) || value == nullptr) return std::string();
  return std::string(static_cast<const char*>(value));
}

}  // namespace

bool readVersionResource(const std::string& file, std::uint32_t& fileVersionMostSignificant,
                         std::string& originalFilename, std::string& legalNotice) {
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeA(file.c_str(), &ignored);
  if (size == 0) return false;
  std::vector<char> block(size);
  if (!GetFileVersionInfoA(file.c_str(), 0, size, block.data())) return false;

  void* fixed = nullptr;
  UINT fixedLength = 0;
  if (!VerQueryValueA(block.data(), "\\", &fixed, &fixedLength) || fixed == nullptr ||
      fixedLength < sizeof(VS_FIXEDFILEINFO)) {
    return false;
  }
  fileVersionMostSignificant = static_cast<const VS_FIXEDFILEINFO*>(fixed)->dwFileVersionMS;
  legalNotice = versionString(block.data(), "\\StringFileInfo\\040904b0\\LegalCopyright");
  originalFilename = versionString(block.data(), "\\StringFileInfo\\040904b0\\OriginalFilename");
  return true;
}

}  // namespace brennholtzgate
