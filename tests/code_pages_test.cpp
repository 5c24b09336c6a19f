// The conversions at the two edges where the ANSI code page is not the one
// that reads: batch files (OEM code page) and the console (UTF-16). Windows
// only: the native build has no code pages. CTest runs these under Wine's
// default locale (OEM 437) and again under its German one (OEM 850).
#include "driver/code_pages.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "driver/globals.h"
#include "files/errors.h"
#include "generate/batch_text.h"
#include "tests/test_support.h"

namespace brennholtzgate {
namespace {

bool westernCodePages() { return GetACP() == 1252 && (GetOEMCP() == 437 || GetOEMCP() == 850); }

#define SKIP_UNLESS_WESTERN_CODE_PAGES()                                                 \
  if (!westernCodePages()) {                                                             \
    GTEST_SKIP() << "written for ANSI 1252 with OEM 437 or 850, not " << GetACP() << "/" \
                 << GetOEMCP();                                                          \
  }

struct OemCase {
  std::string name;
  std::string ansi;                   // in code page 1252
  std::optional<std::string> oem437;  // nullopt: 437 lacks a character
  std::optional<std::string> oem850;
};

const std::vector<OemCase> oemCases = {
    {"AsciiUnchanged", "D:\\Work\\Proj 1\\%x%&|<>^!.c", "D:\\Work\\Proj 1\\%x%&|<>^!.c",
     "D:\\Work\\Proj 1\\%x%&|<>^!.c"},
    {"Empty", "", "", ""},
    {"GermanLetters", "\xE4\xF6\xFC\xC4\xD6\xDC\xDF", "\x84\x94\x81\x8E\x99\x9A\xE1",
     "\x84\x94\x81\x8E\x99\x9A\xE1"},
    {"EAcute", "caf\xE9", "caf\x82", "caf\x82"},
    {"NulKept", std::string("a\0\xE4", 3), std::string("a\0\x84", 3), std::string("a\0\x84", 3)},
    {"OTildeOnlyIn850", "S\xF5o", std::nullopt, "S\xE4o"},
    {"OStrokeOnlyIn850", "\xD8resund", std::nullopt, "\x9Dresund"},
    // No best fit: a near character would name another file.
    {"EuroSignInNeither", "5\x80", std::nullopt, std::nullopt},
    {"UnassignedByteInNeither", "a\x81", std::nullopt, std::nullopt},
};

class AnsiToOem : public ::testing::TestWithParam<OemCase> {};

TEST_P(AnsiToOem, ForTheRunningOemCodePage) {
  SKIP_UNLESS_WESTERN_CODE_PAGES();
  const OemCase& c = GetParam();
  const auto expected = GetOEMCP() == 437 ? c.oem437 : c.oem850;
  EXPECT_EQ(ansiToOem(c.ansi), expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, AnsiToOem, ::testing::ValuesIn(oemCases),
                         testing::caseName<OemCase>);

TEST(CodePageNumbers, AreTheSystems) {
  EXPECT_EQ(ansiCodePage(), GetACP());
  EXPECT_EQ(oemCodePage(), GetOEMCP());
}

// The batch writers' text: converted, then every "%" doubled.
TEST(BatchTextInOem, ConvertsAndDoublesPercent) {
  SKIP_UNLESS_WESTERN_CODE_PAGES();
  std::string scratch;
  EXPECT_EQ(batchText("D:\\W\xE4rk\\100%.c", scratch), "D:\\W\x84rk\\100%%.c");
  EXPECT_EQ(batchText("D:\\W\xE4rk\\a.c", scratch), "D:\\W\x84rk\\a.c");
  EXPECT_EQ(setCommand("QACTEMP", "D:\\R&D \xFC\\"), "set \"QACTEMP=D:\\R&D \x81\\\"");
  EXPECT_THROW(batchText("D:\\5\x80.c", scratch), bad_code_page);
}

// ASCII text is passed on unscanned by the converter: the test for it must
// see a high byte wherever it stands, in texts shorter and longer than a word.
TEST(BatchTextInOem, HighByteFoundAtEveryPosition) {
  SKIP_UNLESS_WESTERN_CODE_PAGES();
  std::string scratch;
  for (std::size_t length = 1; length <= 20; ++length) {
    for (std::size_t at = 0; at < length; ++at) {
      std::string ansi(length, 'a');
      std::string oem = ansi;
      ansi[at] = '\xE4';
      oem[at] = '\x84';
      EXPECT_EQ(batchText(ansi, scratch), oem) << "length " << length << ", at " << at;
    }
  }
}

class BatchFileValues : public ::testing::Test {
 protected:
  void SetUp() override {
    SKIP_UNLESS_WESTERN_CODE_PAGES();
    testing::resetRun();
    qacLoc = "D:\\W\xE4rk\\Tools\\Qac\\";
    qacWorkingLoc = "D:\\W\xE4rk\\Tmp\\qac\\";
    entryQueue = {"\"D:\\a.c\"", "\"D:\\\xFC.c\""};
  }
  void TearDown() override { testing::resetRun(); }

  // The path named by the error checkBatchFileValues raises, if any.
  std::optional<std::string> refusedPath() {
    try {
      checkBatchFileValues();
    } catch (const bad_code_page& error) {
      EXPECT_EQ(std::string(error.what()),
                "Path cannot be written for the command interpreter (a character of ANSI code "
                "page 1252 is missing from OEM code page " +
                    std::to_string(GetOEMCP()) + ")");
      return error.path();
    }
    return std::nullopt;
  }
};

TEST_F(BatchFileValues, AllHeldPasses) { EXPECT_EQ(refusedPath(), std::nullopt); }

TEST_F(BatchFileValues, EntryNamedWithoutItsQuotes) {
  entryQueue.push_back("\"D:\\5\x80.c\"");
  entryQueue.push_back("\"D:\\6\x80.c\"");
  EXPECT_EQ(refusedPath(), "D:\\5\x80.c");
}

TEST_F(BatchFileValues, LocationsAreChecked) {
  qacWorkingLoc = "D:\\\x80\\Tmp\\qac\\";
  EXPECT_EQ(refusedPath(), qacWorkingLoc);
  qacLoc = "D:\\\x80\\Tools\\Qac\\";
  EXPECT_EQ(refusedPath(), qacLoc);
}

// The console gets UTF-16, so it shows the ANSI text whatever its code page.
TEST(ConsoleText, AnsiLineToUtf16WithLineEnd) {
  if (GetACP() != 1252) GTEST_SKIP() << "written for ANSI 1252";
  EXPECT_EQ(consoleText("qacLoc :       D:\\W\xE4rk\\5\x80\\"),
            L"qacLoc :       D:\\W\u00E4rk\\5\u20AC\\\r\n");
  EXPECT_EQ(consoleText(""), L"\r\n");
}

}  // namespace
}  // namespace brennholtzgate
