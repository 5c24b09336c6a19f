// The native build has no code pages: text passes through as the bytes it is,
// and there is no console to convert for. Only what the portable code calls
// is here; the entry point and its Win32 calls are built for Windows alone.
#include "driver/code_pages.h"

namespace brennholtzgate {

std::optional<std::string> ansiToOem(std::string_view text) { return std::string(text); }

unsigned ansiCodePage() { return 0; }

unsigned oemCodePage() { return 0; }

bool standardOutputIsConsole() { return false; }

void bufferStandardOutput() {}

std::wstring consoleText(std::string_view line) {
  std::wstring text;
  for (const char c : line) text += static_cast<wchar_t>(static_cast<unsigned char>(c));
  text += L"\r\n";
  return text;
}

bool writeConsoleLine(std::string_view /*line*/) { return false; }

}  // namespace brennholtzgate
