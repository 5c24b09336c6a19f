#include "tests/test_support.h"

#ifdef _WIN32
#include <process.h>
#else
#include <unistd.h>
#endif

#include <fstream>
#include <iterator>

#include "driver/globals.h"

namespace brennholtzgate::testing {
namespace {

int processId() {
#ifdef _WIN32
  return _getpid();
#else
  return getpid();
#endif
}

}  // namespace

void resetRun() {
  qacLoc.clear();
  qacWorkingLoc.clear();
  cmaFile = "cmaFile";
  entryQueue.clear();
}

void TempFolderTest::SetUp() {
  // Named after the test and the process, so that tests running in parallel
  // processes (the same program under two code pages too) never share a folder.
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  std::string name = std::string("bhg-") + std::to_string(processId()) + "-" +
                     info->test_suite_name() + "-" + info->name();
  for (char& c : name) {
    if (c == '/') c = '-';
  }
  folder_ = std::filesystem::temp_directory_path() / name;
  std::filesystem::remove_all(folder_);
  std::filesystem::create_directories(folder_);
  resetRun();
}

void TempFolderTest::TearDown() {
  std::error_code ignored;
  std::filesystem::remove_all(folder_, ignored);
  resetRun();
}

std::string TempFolderTest::pathOf(const std::string& name) const {
  return (folder_ / name).string();
}

std::string readBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  EXPECT_TRUE(in.is_open()) << path;
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  ASSERT_TRUE(out.is_open()) << path;
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  ASSERT_TRUE(out.good()) << path;
}

std::string crlfLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

}  // namespace brennholtzgate::testing
