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

// What a batch file needs done to a value: ASCII is the same in the ANSI and
// the OEM code page, so only a value with a byte above it is converted, and
// only one with a "%" has it doubled. Every entry is scanned, once for both,
// eight bytes a step.
constexpr unsigned nonAscii = 1;
constexpr unsigned percentSign = 2;

constexpr std::uint64_t eachByte(unsigned char byte) { return 0x0101010101010101U * byte; }

unsigned wordFindings(std::uint64_t word) {
  unsigned found = (word & eachByte(0x80)) != 0 ? nonAscii : 0;
  // Nonzero exactly when a byte of `percents` is zero: a byte of `word` is "%".
  const std::uint64_t percents = word ^ eachByte('%');
  if (((percents - eachByte(0x01)) & ~percents & eachByte(0x80)) != 0) found |= percentSign;
  return found;
}

unsigned scanValue(std::string_view text) {
  unsigned found = 0;
  std::size_t at = 0;
  std::uint64_t word = 0;
  for (; at + 8 <= text.size(); at += 8) {
    std::memcpy(&word, text.data() + at, 8);
    found |= wordFindings(word);
  }
  if (at < text.size() && text.size() >= 8) {
    // The last, partial word: the eight bytes that end the text.
    std::memcpy(&word, text.data() + text.size() - 8, 8);
    found |= wordFindings(word);
  } else {
    for (; at < text.size(); ++at) {
      if ((static_cast<unsigned char>(text[at]) & 0x80) != 0) found |= nonAscii;
      if (text[at] == '%') found |= percentSign;
    }
  }
  return found;
}

bool isAscii(std::string_view text) { return (scanValue(text) & nonAscii) == 0; }

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
  const unsigned found = scanValue(value);
  if (found == 0) return value;
  const bool ascii = (found & nonAscii) == 0;
  const bool percent = (found & percentSign) != 0;

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
