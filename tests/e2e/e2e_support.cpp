#include "tests/e2e/e2e_support.h"

#include <windows.h>

#include <filesystem>
#include <regex>
#include <vector>

namespace brennholtzgate::e2e {
namespace {

std::string moduleFolder() {
  std::string path(4096, '\0');
  const DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
  path.resize(length);
  return path.substr(0, path.rfind('\\') + 1);
}

std::string freshTestFolder() {
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  char temp[MAX_PATH + 1] = {};
  GetTempPathA(sizeof temp, temp);
  std::string folder = std::string(temp) + "bhg-e2e-" + std::to_string(GetCurrentProcessId()) +
                       "-" + info->test_suite_name() + "-" + info->name() + "\\";
  for (char& c : folder) {
    if (c == '/') c = '-';
  }
  std::error_code ignored;
  std::filesystem::remove_all(folder, ignored);
  makeFolders(folder);
  return folder;
}

}  // namespace

RunResult runCommand(const std::string& commandLine, const std::string& currentFolder) {
  SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
  HANDLE readEnd = nullptr;
  HANDLE writeEnd = nullptr;
  if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0)) {
    ADD_FAILURE() << "CreatePipe failed";
    return {};
  }
  SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
  HANDLE noInput = CreateFileA("NUL", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                               OPEN_EXISTING, 0, nullptr);

  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = noInput;
  startup.hStdOutput = writeEnd;
  startup.hStdError = writeEnd;
  PROCESS_INFORMATION process{};
  std::vector<char> mutableLine(commandLine.begin(), commandLine.end());
  mutableLine.push_back('\0');
  const BOOL started =
      CreateProcessA(nullptr, mutableLine.data(), nullptr, nullptr, TRUE, 0, nullptr,
                     currentFolder.empty() ? nullptr : currentFolder.c_str(), &startup, &process);
  CloseHandle(writeEnd);
  CloseHandle(noInput);

  RunResult result;
  if (!started) {
    ADD_FAILURE() << "could not start: " << commandLine;
    CloseHandle(readEnd);
    return result;
  }
  char chunk[4096];
  DWORD got = 0;
  while (ReadFile(readEnd, chunk, sizeof chunk, &got, nullptr) && got > 0) {
    result.output.append(chunk, got);
  }
  CloseHandle(readEnd);
  WaitForSingleObject(process.hProcess, INFINITE);
  DWORD status = 0;
  GetExitCodeProcess(process.hProcess, &status);
  result.status = static_cast<int>(status);
  CloseHandle(process.hProcess);
  CloseHandle(process.hThread);
  return result;
}

std::string builtProgram(const std::string& fileName) { return moduleFolder() + fileName; }

bool exists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void makeFolders(const std::string& path) {
  // The A call, as the tool uses: std::filesystem does not read a narrow path
  // in the ANSI code page (it would make the euro sign U+0080).
  for (std::size_t end = path.find('\\', 3);; end = path.find('\\', end + 1)) {
    const std::string folder = path.substr(0, end);
    if (!CreateDirectoryA(folder.c_str(), nullptr)) {
      ASSERT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ALREADY_EXISTS))
          << "cannot create " << folder;
    }
    if (end == std::string::npos) break;
  }
}

void copyFile(const std::string& from, const std::string& to) {
  ASSERT_TRUE(CopyFileA(from.c_str(), to.c_str(), FALSE)) << "cannot copy " << from << " to " << to;
}

bool westernCodePages() { return GetACP() == 1252 && (GetOEMCP() == 437 || GetOEMCP() == 850); }

bool runsUnderWine() {
  const HMODULE ntdll = GetModuleHandleA("ntdll.dll");
  return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

std::string echoedByInterpreter(const std::string& ansiText) {
  if (runsUnderWine()) return ansiText;
  UINT codePage = GetConsoleOutputCP();
  if (codePage == 0) codePage = GetOEMCP();  // a new console's
  if (codePage == GetACP() || ansiText.empty()) return ansiText;
  const int size = static_cast<int>(ansiText.size());
  std::wstring wide(ansiText.size(), L'\0');
  wide.resize(static_cast<std::size_t>(
      MultiByteToWideChar(CP_ACP, 0, ansiText.data(), size, wide.data(), size)));
  const int wideSize = static_cast<int>(wide.size());
  std::string echoed(ansiText.size() * 4, '\0');
  echoed.resize(static_cast<std::size_t>(
      WideCharToMultiByte(codePage, 0, wide.data(), wideSize, echoed.data(),
                          static_cast<int>(echoed.size()), nullptr, nullptr)));
  return echoed;
}

std::string withoutBanner(const std::string& output) {
  static const std::regex banner("Brennholtzgate\\.exe version " BRENNHOLTZGATE_VERSION_MAJOR_MINOR
                                 " from [A-Z][a-z]{2} [ 1-3][0-9] [0-9]{4}\r\n"
                                 "Copyright \\(C\\) 2018-2026 The Brennholtzgate authors\r\n");
  std::smatch match;
  if (!std::regex_search(output, match, banner, std::regex_constants::match_continuous)) {
    ADD_FAILURE() << "no banner at the start of:\n" << output;
    return output;
  }
  return match.suffix().str();
}

void CodeTreeTest::SetUp() {
  base_ = freshTestFolder();
  layTree(base_);
}

void CodeTreeTest::layTree(const std::string& root) {
  codeLoc_ = root + "Work\\Proj\\";
  qacLoc_ = codeLoc_ + "Tools\\Qac\\";
  workingLoc_ = codeLoc_ + "Tmp\\qac\\";
  exe_ = qacLoc_ + "Brennholtzgate.exe";
  makeFolders(qacLoc_);
  makeFolders(workingLoc_);
  copyFile(builtProgram("Brennholtzgate.exe"), exe_);
}

void CodeTreeTest::TearDown() {
  if (HasFailure()) return;  // keep the tree to look at
  std::error_code ignored;
  std::filesystem::remove_all(base_, ignored);
}

RunResult CodeTreeTest::runTool(const std::string& arguments, const std::string& currentFolder) {
  std::string commandLine = "\"" + exe_ + "\"";
  if (!arguments.empty()) commandLine += " " + arguments;
  RunResult result = runCommand(commandLine, currentFolder.empty() ? base_ : currentFolder);
  result.output = withoutBanner(result.output);
  return result;
}

}  // namespace brennholtzgate::e2e
