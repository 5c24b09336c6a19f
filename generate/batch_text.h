#pragma once

#include <string>
#include <string_view>

namespace brennholtzgate {

// The command interpreter reads a batch file before it runs a line: it
// expands "%" everywhere, inside double quotes too, and splits a line at
// "&", "|", "<" and ">" outside double quotes, with "^" as its escape. Values
// that we put into batch files pass through these rules unharmed.

// `value` with every "%" doubled. Returns `value` itself when it holds no
// "%", otherwise the doubled text kept in `scratch`.
std::string_view batchText(std::string_view value, std::string& scratch);

// The line that sets the variable `name` to `value` exactly: "set NAME=value",
// or "set "NAME=value"" when the value holds a character that would end or
// change the command outside quotes.
std::string setCommand(std::string_view name, std::string_view value);

// The line that puts the analyser's program folder in front of PATH, quoted
// when the folder (the value of QACBIN) would break the line once expanded.
std::string pathCommand(std::string_view qacBin);

}  // namespace brennholtzgate
