#pragma once

#include <gtest/gtest.h>

#include <string>

#include "tests/test_support.h"

namespace brennholtzgate::e2e {

using testing::crlfLines;
using testing::readBytes;
using testing::writeBytes;

// What a program printed on standard output, and its exit status.
struct RunResult {
  int status = -1;
  std::string output;
};

// Starts `commandLine` in `currentFolder` and waits for it. Standard output
// and standard error are both captured, so that anything on standard error
// shows in a comparison with the expected console.
RunResult runCommand(const std::string& commandLine, const std::string& currentFolder);

// A program built beside the test program (the tool, the stand-ins).
std::string builtProgram(const std::string& fileName);

bool exists(const std::string& path);
void makeFolders(const std::string& path);
void copyFile(const std::string& from, const std::string& to);

// Whether the system has the code pages the non-ASCII cases are written for:
// ANSI 1252 with OEM 437 (Wine's default locale) or 850 (its German one).
bool westernCodePages();

// What the command interpreter writes into our pipe when it echoes the ANSI
// `ansiText`. The real one writes in its console's output code page, by
// default the OEM one; Wine's has no console here and writes ANSI.
std::string echoedByInterpreter(const std::string& ansiText);

// Checks that `output` begins with the two banner lines and returns the rest.
std::string withoutBanner(const std::string& output);

// A fresh folder per test, with the code tree <base>Work\Proj\ prepared so
// that the tool lies in its Tools\Qac\ folder.
class CodeTreeTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Lays the code tree <root>Work\Proj\ with the tool in its Tools\Qac\ and
  // an empty working folder, and points the members at it.
  void layTree(const std::string& root);

  // Runs the tool of the tree with `arguments` appended to its command line;
  // the output is what follows the banner, which is checked.
  RunResult runTool(const std::string& arguments = "", const std::string& currentFolder = "");

  std::string base_;        // the test's folder, ends in a backslash
  std::string codeLoc_;     // <base>Work\Proj\ .
  std::string qacLoc_;      // <codeLoc>Tools\Qac\ .
  std::string workingLoc_;  // <codeLoc>Tmp\qac\ .
  std::string exe_;         // <qacLoc>Brennholtzgate.exe
};

}  // namespace brennholtzgate::e2e
