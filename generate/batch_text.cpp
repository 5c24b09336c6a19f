#include "generate/batch_text.h"

namespace brennholtzgate {
namespace {

bool breaksUnquotedLine(std::string_view value) {
  return value.find_first_of("&|<>^") != std::string_view::npos;
}

}  // namespace

std::string_view batchText(std::string_view value, std::string& scratch) {
  if (value.find('%') == std::string_view::npos) return value;
  scratch.clear();
  scratch.reserve(value.size() + 8);
  for (const char c : value) {
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

}  // namespace brennholtzgate
