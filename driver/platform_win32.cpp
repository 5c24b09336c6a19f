#include <windows.h>

#include <array>
#include <cstdlib>

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

}  // namespace brennholtzgate
