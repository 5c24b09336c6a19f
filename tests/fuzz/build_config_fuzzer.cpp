// Any bytes as BuildConfig.txt: the value is that of the last "tmp=" line of
// at least 5 characters, trimmed of the classic white space.
#include <cstdint>

#include "inputs/build_config.h"
#include "tests/fuzz/fuzz_support.h"

namespace {

bool isClassicSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

std::string trimmed(const std::string& text) {
  std::size_t begin = 0;
  std::size_t end = text.size();
  while (begin < end && isClassicSpace(text[begin])) ++begin;
  while (end > begin && isClassicSpace(text[end - 1])) --end;
  return text.substr(begin, end - begin);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  const std::string path = fuzz::scratchPath("BuildConfig.txt");
  fuzz::writeAll(path, input);

  std::string expected;
  for (const std::string& line : fuzz::linesOf(input)) {
    if (line.size() < 5) continue;
    const std::string text = trimmed(line);
    if (text.rfind("tmp=", 0) == 0) expected = text.substr(4);
  }
  const std::string value = brennholtzgate::readBuildConfigTmp(path);
  fuzz::require(value == expected, "the last tmp= line's trimmed value");
  fuzz::require(value.find('\n') == std::string::npos, "a value holds no line feed");
  return 0;
}
