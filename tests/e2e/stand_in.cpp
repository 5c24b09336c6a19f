// Stands in for the analyser's programs (built as qac.exe and Viewer.exe):
// prints how it was called and the environment the batch file set up, so that
// a test can check what a generated batch file really does.
#include <windows.h>

#include <cstdlib>
#include <iostream>
#include <string>

int main(int argc, char* argv[]) {
  std::string self(MAX_PATH, '\0');
  self.resize(GetModuleFileNameA(nullptr, self.data(), MAX_PATH));
  std::cout << self.substr(self.rfind('\\') + 1);
  for (int i = 1; i < argc; ++i) std::cout << '|' << argv[i];
  std::cout << '\n';
  for (const char* name : {"QACBIN", "QACOUTPATH", "QACTEMP", "QACPATH", "QACHELPFILES"}) {
    const char* value = std::getenv(name);
    std::cout << name << '=' << (value ? value : "(unset)") << '\n';
  }
  const char* bin = std::getenv("QACBIN");
  const char* path = std::getenv("PATH");
  const bool binFirst = bin && path && std::string(path).rfind(std::string(bin) + ";", 0) == 0;
  std::cout << "PATH begins with QACBIN: " << (binFirst ? "yes" : "no") << '\n';
  if (!binFirst) std::cout << "PATH=" << (path ? path : "(unset)") << '\n';
  return 0;
}
