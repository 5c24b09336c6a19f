#include <windows.h>

#include <array>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "driver/code_pages.h"
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

namespace {

// `text` in UTF-16, from the ANSI code page. With `strict`, a byte sequence
// the ANSI code page does not define gives nullopt instead of a stand-in.
std::optional<std::wstring> wideFromAnsi(std::string_view text, bool strict) {
  if (text.empty()) return std::wstring();
  if (text.size() > INT_MAX) return std::nullopt;
  const DWORD flags = strict ? MB_ERR_INVALID_CHARS : 0;
  const int size = static_cast<int>(text.size());
  const int length = MultiByteToWideChar(CP_ACP, flags, text.data(), size, nullptr, 0);
  if (length == 0) return std::nullopt;
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_ACP, flags, text.data(), size, wide.data(), length);
  return wide;
}

}  // namespace

std::optional<std::string> ansiToOem(std::string_view text) {
  if (GetACP() == GetOEMCP()) return std::string(text);
  const auto wide = wideFromAnsi(text, true);
  if (!wide) return std::nullopt;
  if (wide->empty()) return std::string();

  // The used-default flag tells that a character is missing; the UTF code
  // pages take neither it nor the best-fit flag, and miss no character.
  const UINT oem = GetOEMCP();
  const bool utf = oem == CP_UTF8 || oem == CP_UTF7;
  const DWORD flags = utf ? 0 : WC_NO_BEST_FIT_CHARS;
  BOOL usedDefault = FALSE;
  BOOL* const usedDefaultFlag = utf ? nullptr : &usedDefault;
  const int wideLength = static_cast<int>(wide->size());
  const int length = WideCharToMultiByte(oem, flags, wide->data(), wideLength, nullptr, 0, nullptr,
                                         usedDefaultFlag);
  if (length == 0 || usedDefault) return std::nullopt;
  std::string converted(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(oem, flags, wide->data(), wideLength, converted.data(), length, nullptr,
                      nullptr);
  return converted;
}

unsigned ansiCodePage() { return GetACP(); }

unsigned oemCodePage() { return GetOEMCP(); }

bool standardOutputIsConsole() {
  DWORD mode = 0;
  return GetConsoleMode(GetStdHandle(STD_OUTPUT_HANDLE), &mode) != 0;
}

void bufferStandardOutput() { std::setvbuf(stdout, nullptr, _IOFBF, std::size_t{64} * 1024); }

std::wstring consoleText(std::string_view line) {
  // Not strict: a console line shows what it can rather than nothing.
  std::wstring text = wideFromAnsi(line, false).value_or(std::wstring());
  text += L"\r\n";
  return text;
}

bool writeConsoleLine(std::string_view line) {
  const std::wstring text = consoleText(line);
  const HANDLE console = GetStdHandle(STD_OUTPUT_HANDLE);
  const wchar_t* next = text.data();
  std::size_t left = text.size();
  // One call for every line of ours; the loop only takes up a console that
  // writes a long line in parts.
  while (left > 0) {
    DWORD written = 0;
    const DWORD count = left > 0x10000 ? 0x10000 : static_cast<DWORD>(left);
    if (!WriteConsoleW(console, next, count, &written, nullptr) || written == 0) {
      // Nothing shown: the caller writes the bytes instead. Part of it shown:
      // writing it again would show it twice.
      return next != text.data();
    }
    next += written;
    left -= written;
  }
  return true;
}

}  // namespace brennholtzgate
