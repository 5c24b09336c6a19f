#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace brennholtzgate {

// Every text we hold is in the system's ANSI code page. Two readers see it in
// another one: the command interpreter reads a batch file in the console's
// code page, by default the OEM code page (850 on a German Windows, 437 in
// the US), and a console shows bytes in its own output code page. These calls
// carry text across; one file per platform implements them, and on a system
// without code pages they pass text through unchanged.

// `text` converted from the ANSI to the OEM code page, character for
// character; nullopt when the OEM code page lacks one of its characters (no
// best fit: a near character would name another file) or when `text` is not
// valid in the ANSI code page.
std::optional<std::string> ansiToOem(std::string_view text);

// The two code pages, for messages; 0 where the system has none.
unsigned ansiCodePage();
unsigned oemCodePage();

// Whether standard output is a console, rather than a file, a pipe or NUL.
bool standardOutputIsConsole();

// Buffers standard output fully, so that a flushed line is one write. To a
// character device such as NUL the C runtime would otherwise write it byte by
// byte.
void bufferStandardOutput();

// What writeConsoleLine hands to the console for `line`: the line and its
// line end, converted from the ANSI code page to UTF-16.
std::wstring consoleText(std::string_view line);

// Writes `line` and its line end to the console as UTF-16, in one call, so
// that the console shows the ANSI text right whatever its code page; the
// console's code page is never changed. Returns false when the console does
// not take it.
bool writeConsoleLine(std::string_view line);

}  // namespace brennholtzgate
