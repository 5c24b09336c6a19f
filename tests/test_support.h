#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace brennholtzgate::testing {

// Puts the process-wide values back to their start values, so that every test
// begins as a fresh run would.
void resetRun();

// A fresh, empty folder per test, removed when the test ends.
class TempFolderTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  // `name` inside the test's folder, as a string the code under test takes.
  std::string pathOf(const std::string& name) const;

  std::filesystem::path folder_;
};

std::string readBytes(const std::string& path);
void writeBytes(const std::string& path, const std::string& bytes);

// Names a case of a table by its `name` member, for test names and for
// messages, instead of a dump of its bytes.
template <typename Case>
std::string caseName(const ::testing::TestParamInfo<Case>& testInfo) {
  return testInfo.param.name;
}

// Joins lines with CR LF after each, the last one included.
std::string crlfLines(const std::vector<std::string>& lines);

// Runs `work` with standard output captured into `printed`, kept also when
// `work` throws.
template <typename Work>
void captureOutput(std::string& printed, Work work) {
  std::ostringstream captured;
  auto* const original = std::cout.rdbuf(captured.rdbuf());
  try {
    work();
  } catch (...) {
    std::cout.rdbuf(original);
    printed = captured.str();
    throw;
  }
  std::cout.rdbuf(original);
  printed = captured.str();
}

}  // namespace brennholtzgate::testing
