// Fuzzed locations and entries through both batch writers. The files must
// give back every value exactly once the command interpreter has read them:
// each line ends in CR LF and holds no other, a set line read back (quotes
// removed, %% halved) gives the value that went in, and so do the entries on
// the progress and analyser lines.
#include <algorithm>
#include <cstdint>
#include <iostream>
#include <sstream>

#include "driver/globals.h"
#include "generate/batch_files.h"
#include "tests/fuzz/fuzz_support.h"

namespace bhg = brennholtzgate;

namespace {

// The interpreter's reading of a value we wrote: every %% is one %. A single
// % would start a variable: the value was not escaped.
std::string halved(const std::string& text) {
  std::string value;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%') {
      fuzz::require(i + 1 < text.size() && text[i + 1] == '%', "every % is doubled");
      ++i;
    }
    value += text[i];
  }
  return value;
}

bool breaksUnquotedLine(const std::string& value) {
  return value.find_first_of("&|<>^") != std::string::npos;
}

std::vector<std::string> crlfLinesOf(const std::string& text, std::size_t expectedCount) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
    lines.push_back(text.substr(start, end - start));
  }
  fuzz::require(start == text.size(), "the file ends in CR LF");
  fuzz::require(lines.size() == expectedCount, "CR LF only at line ends");
  return lines;
}

void checkSetLine(const std::string& line, const std::string& name, const std::string& value) {
  const std::string quotedStart = "set \"" + name + "=";
  const std::string plainStart = "set " + name + "=";
  if (line.rfind(quotedStart, 0) == 0) {
    fuzz::require(line.back() == '"', "a quoted set line ends in a quote");
    fuzz::require(
        halved(line.substr(quotedStart.size(), line.size() - quotedStart.size() - 1)) == value,
        "a quoted set line gives the value back");
  } else {
    fuzz::require(line.rfind(plainStart, 0) == 0, "a set line names its variable");
    fuzz::require(!breaksUnquotedLine(value), "a value with & | < > ^ is quoted");
    fuzz::require(halved(line.substr(plainStart.size())) == value,
                  "a plain set line gives the value back");
  }
}

void checkBlock(const std::vector<std::string>& lines, const std::string& qacBin) {
  fuzz::require(lines[0] == "@echo off", "the block starts with @echo off");
  checkSetLine(lines[1], "QACBIN", qacBin);
  checkSetLine(lines[2], "QACOUTPATH", bhg::qacWorkingLoc);
  checkSetLine(lines[3], "QACTEMP", bhg::qacWorkingLoc);
  checkSetLine(lines[4], "QACPATH", bhg::qacLoc + "QAC-8.1.2-R\\");
  checkSetLine(lines[5], "QACHELPFILES", bhg::qacLoc + "QAC-8.1.2-R\\help\\");
  fuzz::require(lines[6] == (breaksUnquotedLine(qacBin) ? "set \"PATH=%QACBIN%;%PATH%\""
                                                        : "set PATH=%QACBIN%;%PATH%"),
                "the PATH line is quoted exactly when QACBIN needs it");
}

// Splits the input into the two locations and the entries; quotes and line
// feeds cannot reach the writers (the reader rejects or splits at them).
std::vector<std::string> fieldsOf(const std::string& input) {
  std::vector<std::string> fields(1);
  for (const char c : input) {
    if (c == '\n') {
      fields.emplace_back();
    } else if (c != '"') {
      fields.back() += c;
    }
  }
  while (fields.size() < 2) fields.emplace_back();
  return fields;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::string> fields =
      fieldsOf(std::string(reinterpret_cast<const char*>(data), size));
  bhg::qacLoc = fields[0] + "\\";
  bhg::qacWorkingLoc = fields[1] + "\\";
  bhg::entryQueue.clear();
  for (std::size_t i = 2; i < fields.size(); ++i) bhg::entryQueue.push_back('"' + fields[i] + '"');
  const std::string qacBin = bhg::qacLoc + "QAC-8.1.2-R\\bin\\";
  const std::string via = bhg::qacWorkingLoc + "_qac_cfg.txt";
  const std::string listFile = bhg::qacWorkingLoc + "_qac_list.txt";
  const std::string analyse = fuzz::scratchPath("analyse.bat");
  const std::string view = fuzz::scratchPath("view.bat");

  std::ostringstream console;
  auto* const original = std::cout.rdbuf(console.rdbuf());
  bhg::writeAnalyseBatch(analyse, qacBin + "qac", qacBin, via);
  bhg::writeViewBatch(view, qacBin + "Viewer", qacBin, listFile, via);
  std::cout.rdbuf(original);

  const std::size_t total = bhg::entryQueue.size();
  const auto analyseLines = crlfLinesOf(fuzz::readAll(analyse), 9 + 2 * total);
  checkBlock(analyseLines, qacBin);
  const std::string callStart =
      "\"" + qacBin + "qac\" -ppmetrics+ -pplist+ -ppfilename+ -via \"" + via + "\" ";
  for (std::size_t n = 1; n <= total; ++n) {
    const std::string& entry = bhg::entryQueue[n - 1];
    const std::string progress = "echo " + std::to_string(n) + "/" + std::to_string(total) + " : ";
    const std::string& progressLine = analyseLines[7 + 2 * (n - 1)];
    fuzz::require(progressLine.rfind(progress, 0) == 0, "a progress line reads n/N : ");
    fuzz::require(halved(progressLine.substr(progress.size())) == entry,
                  "a progress line gives the entry back");
    fuzz::require(halved(analyseLines[8 + 2 * (n - 1)]) == callStart + entry,
                  "an analyser line gives its program, options file and entry back");
  }
  fuzz::require(analyseLines[7 + 2 * total] == "echo \"Finished!\"", "the closing message");
  fuzz::require(analyseLines[8 + 2 * total] == "IF X%1==X pause", "the closing pause");

  const auto viewLines = crlfLinesOf(fuzz::readAll(view), 11);
  checkBlock(viewLines, qacBin);
  fuzz::require(viewLines[7] == "echo executing program.", "the view's first line");
  fuzz::require(halved(viewLines[8]) ==
                    "\"" + qacBin + "Viewer\" QAC -via \"" + via + "\" -list \"" + listFile + "\"",
                "the viewer line gives its program and files back");
  fuzz::require(
      halved(viewLines[9]) == "echo \"The file will be generated in: " + bhg::qacWorkingLoc + "\"",
      "the closing message gives the working folder back");
  fuzz::require(viewLines[10] == "IF X%1==X pause", "the closing pause");
  return 0;
}
