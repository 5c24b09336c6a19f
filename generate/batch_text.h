#pragma once

#include <string>
#include <string_view>

namespace brennholtzgate {

// The command interpreter reads a batch file in the OEM code page, before it
// runs a line: it expands "%" everywhere, inside double quotes too, and splits
// a line at "&", "|", "<" and ">" outside double quotes, with "^" as its
// escape. Values that we put into batch files pass through these rules
// unharmed.

// `value` as a batch file holds it: converted from the ANSI to the OEM code
// page, and with every "%" doubled. Returns `value` itself when it is ASCII
// and holds no "%", otherwise the text kept in `scratch`. Raises
// bad_code_page when the OEM code page lacks one of its characters.
std::string_view batchText(std::string_view value, std::string& scratch);

// The line that sets the variable `name` to `value` exactly: "set NAME=value",
// or "set "NAME=value"" when the value holds a character that would end or
// change the command outside quotes.
std::string setCommand(std::string_view name, std::string_view value);

// The line that puts the analyser's program folder in front of PATH, quoted
// when the folder (the value of QACBIN) would break the line once expanded.
std::string pathCommand(std::string_view qacBin);

// Checks, before any file is written, every value the batch files will hold:
// both locations and every entry of entryQueue. Raises bad_code_page, naming
// the path, for the first one that the OEM code page cannot hold: a batch
// file that names another path is worse than none.
void checkBatchFileValues();

}  // namespace brennholtzgate
