#include "generate/batch_text.h"

#include <cstdint>
#include <cstring>

#include "driver/code_pages.h"
#include "driver/globals.h"
#include "files/errors.h"

namespace brennholtzgate {
namespace {

bool breaksUnquotedLine(std::string_view value) {
  return value.find_first_of("&|<>^") != std::string_view::npos;
}

// ASCII is the same in the ANSI and the OEM code page: only text with a byte
// above it needs converting. Eight bytes a step: every entry is scanned.
bool isAscii(std::string_view text) {
  std::uint64_t high = 0;
  std::size_t at = 0;
  for (; at + 8 <= text.size(); at += 8) {
    std::uint64_t word = 0;
    std::memcpy(&word, text.data() + at, 8);
    high |= word;
  }
  if (at < text.size() && text.size() >= 8) {
    // The last, partial word: the eight bytes that end the text.
    std::uint64_t word = 0;
    std::memcpy(&word, text.data() + text.size() - 8, 8);
    high |= word;
  } else {
    for (; at < text.size(); ++at) high |= static_cast<unsigned char>(text[at]);
  }
  return (high & 0x8080808080808080U) == 0;
}

[[noreturn]] void throwBadCodePage(std::string path) {
  throw bad_code_page(std::move(path), ansiCodePage(), oemCodePage());
}

// The path an entry names: the entry without its double quotes.
std::string entryPath(const std::string& entry) {
  if (entry.size() < 2) return entry;
  return entry.substr(1, entry.size() - 2);
}

bool oemCanHold(std::string_view value) { return isAscii(value) || ansiToOem(value).has_value(); }

}  // namespace

std::string_view batchText(std::string_view value, std::string& scratch) {
  const bool ascii = isAscii(value);
  const bool percent = value.find('%') != std::string_view::npos;
  if (ascii && !percent) return value;

  std::string oem;
  std::string_view text = value;
  if (!ascii) {
    auto converted = ansiToOem(value);
    if (!converted) throwBadCodePage(std::string(value));
    oem = std::move(*converted);
    text = oem;
  }
  if (!percent) {
    scratch = std::move(oem);
    return scratch;
  }
  scratch.clear();
  scratch.reserve(text.size() + 8);
  for (const char c : text) {
    scratch += c;
    if (c == '%') scratch += '%';
  }
  return scratch;
}

std::string setCommand(std::string_view name, std::string_view value) {
  std::string scratch;
  const std::string_view text = batchText(value, scratch);
  std::string line;
  if (breaksUnquotedLine(value)) {
    line.append("set \"").append(name).append("=").append(text).append("\"");
  } else {
    line.append("set ").append(name).append("=").append(text);
  }
  return line;
}

std::string pathCommand(std::string_view qacBin) {
  if (breaksUnquotedLine(qacBin)) return "set \"PATH=%QACBIN%;%PATH%\"";
  return "set PATH=%QACBIN%;%PATH%";
}

void checkBatchFileValues() {
  // Every other value is one of these followed by ASCII text.
  if (!oemCanHold(qacLoc)) throwBadCodePage(qacLoc);
  if (!oemCanHold(qacWorkingLoc)) throwBadCodePage(qacWorkingLoc);
  for (const std::string& entry : entryQueue) {
    if (!oemCanHold(entry)) throwBadCodePage(entryPath(entry));
  }
}

}  // namespace brennholtzgate
