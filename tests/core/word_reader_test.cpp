// The word reader: splitting, lazy line steps, numbers and the error texts with line and item.
#include "WordReader.h"

#include <gtest/gtest.h>

#include "Errors.h"
#include "engine/test_support.h"

namespace talmo {
namespace {

std::string errorText(const std::function<void()>& read) {
  try {
    read();
  } catch (const EInOutError& e) {
    return e.what();
  }
  return "(no error)";
}

TEST(WordReader, SplitsOnBlankAndTabRunsAndKeepsTheOriginalLine) {
  auto r = TWordReader::FromText("  1   2\t3  \r\nnext\n");
  EXPECT_EQ(r.NumberLines(), 2);
  EXPECT_EQ(r.GetWordCount(0), 3);
  EXPECT_EQ(r.ReadWord(), "1");
  EXPECT_EQ(r.ReadWord(), "2");
  EXPECT_EQ(r.ReadWord(), "3");
  EXPECT_EQ(r.ReadWord(), "next");

  auto again = TWordReader::FromText("  1   2\t3  \r\n");
  EXPECT_EQ(again.ReadLine(), "  1   2\t3  ");
  EXPECT_TRUE(again.Eof());
}

TEST(WordReader, OtherControlCharactersSeparateOnlyAfterABlank) {
  TWordContainer c = SplitLine("a\x01" "b c \x01" "d");
  ASSERT_EQ(c.words.size(), 3u);
  EXPECT_EQ(c.words[0], "a\x01" "b");
  EXPECT_EQ(c.words[1], "c");
  EXPECT_EQ(c.words[2], "d");
}

TEST(WordReader, LineOfTheLastWordStaysCurrentUntilTheNextRead) {
  auto r = TWordReader::FromText("1 2 3 4 5 6 7 8 9\n10 11\n");
  for (int i = 1; i <= 9; ++i) EXPECT_EQ(r.ReadInteger(), i);
  EXPECT_EQ(r.CurrentLine(), 0);
  EXPECT_EQ(r.CurrentLineWordCount(), 9);
  EXPECT_FALSE(r.AtStartOfLine());
  EXPECT_DOUBLE_EQ(r.ReadFloat(), 10.0);
  EXPECT_EQ(r.CurrentLine(), 1);
  EXPECT_EQ(r.CurrentLineWordCount(), 2);
}

TEST(WordReader, NumbersAndTheirErrorTexts) {
  auto r = TWordReader::FromText("1E3 2.0 -7 2.5\n2,5 x 3000000000\n");
  EXPECT_EQ(r.ReadInteger(), 1000);
  EXPECT_EQ(r.ReadInteger(), 2);
  EXPECT_EQ(r.ReadInteger(), -7);
  EXPECT_EQ(errorText([&] { r.ReadInteger(); }),
            "Error on Line 1 Item 4\rAn integer was expected but not found.");
  // A comma is never a decimal point, whatever the machine's locale.
  EXPECT_EQ(errorText([&] { r.ReadFloat(); }),
            "Error on Line 2 Item 1\rA floating point number was expected but not found.");
  EXPECT_EQ(errorText([&] { r.ReadFloat(); }),
            "Error on Line 2 Item 2\rA floating point number was expected but not found.");
  EXPECT_EQ(errorText([&] { r.ReadInteger(); }),
            "Error on Line 2 Item 3\rAn integer was expected but not found.");
}

TEST(WordReader, ReadingPastTheEndOrOnAnEmptyLineReportsAnIncompleteFile) {
  const std::string incomplete = "This file either invalid or incomplete.";
  auto r = TWordReader::FromText("1\n");
  r.ReadWord();
  EXPECT_EQ(errorText([&] { r.ReadWord(); }), incomplete);

  auto gap = TWordReader::FromText("1\n\n2\n");
  gap.ReadWord();
  EXPECT_EQ(errorText([&] { gap.ReadWord(); }), incomplete);

  auto empty = TWordReader::FromText("");
  EXPECT_EQ(empty.NumberLines(), 1);
  EXPECT_EQ(empty.CurrentLineWordCount(), 0);
  EXPECT_EQ(empty.ReadLine(), "");
  EXPECT_EQ(errorText([&] { empty.ReadLine(); }), incomplete);
}

TEST(WordReader, ReadWordsJoinsANameUpToTheNextNumber) {
  auto r = TWordReader::FromText("Trend  curve\tD=3 ft 12.5 x\n");
  EXPECT_EQ(r.ReadWords(), "Trend curve D=3 ft");
  EXPECT_DOUBLE_EQ(r.ReadFloat(), 12.5);
  EXPECT_EQ(r.CountWordsLine(), 6);
  EXPECT_TRUE(r.Eof());
}

TEST(WordReader, ReadsAFileAndReportsOneThatCannotBeOpened) {
  test::TempDir dir;
  test::writeFile(dir / "a.txt", "A B\r\nC 1");
  TWordReader r((dir / "a.txt").string());
  EXPECT_EQ(r.NumberLines(), 2);
  EXPECT_EQ(r.ReadWords(), "A B C");
  EXPECT_THROW(TWordReader((dir / "missing.txt").string()), EFOpenError);
}

}  // namespace
}  // namespace talmo
