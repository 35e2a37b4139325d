#pragma once
// TWordReader: reads a whole text file into memory, splits each line into blank-separated
// words and hands them out one at a time as text or numbers, crossing line ends freely.
// After a word is read, CurrentLine still designates the line it came from (the step to the
// next line is taken lazily by the next read), so CurrentLineWordCount tells the length of
// the line of the item just read; the project and result readers detect optional trailing
// items that way. Format errors are EInOutError naming the line and the item.
#include <cstdint>
#include <string>
#include <vector>

namespace talmo {

// The words of one line, in order, and the line exactly as it was read.
struct TWordContainer {
  std::vector<std::string> words;
  std::string OrigString;
};

class TWordReader {
 public:
  // Reads the file (lines end with CR LF or LF). Throws EFOpenError when it cannot be opened.
  explicit TWordReader(const std::string& fileName);
  // Reads from text already in memory (the same splitting as a file).
  static TWordReader FromText(const std::string& text);

  bool Eof() const { return line_ == static_cast<int>(lines_.size()); }

  // The next word. Throws EInOutError "This file either invalid or incomplete." at the end of
  // the file, and also when the word is asked on a line that holds none.
  std::string ReadWord();
  // The next word as a real with "." as the decimal point, whatever the locale.
  double ReadFloat();
  // The next word as a real with no fractional part within the 32-bit range.
  std::int32_t ReadInteger();
  // The run of non-numeric words up to the next numeric word, joined by single blanks.
  std::string ReadWords();
  // The current line exactly as read; then moves to the start of the next line.
  std::string ReadLine();
  // The word count of the current line; then moves to the start of the next line.
  int CountWordsLine();

  int GetWordCount(int lineIndex) const;
  int NumberLines() const { return static_cast<int>(lines_.size()); }
  int CurrentLineWordCount() const;
  int CurrentLine() const { return line_; }
  bool AtStartOfLine() const { return item_ == 0; }
  // Words already taken from the current line: after a read, the 1-based position of the word
  // just read (the item number of the error texts).
  int CurrentItem() const { return item_; }

 private:
  TWordReader() = default;
  void load(const std::string& text);
  void stepToNextLineIfExhausted();
  // The word about to be read, after the lazy step; throws at the end of the file.
  const std::string& peekWord();
  [[noreturn]] void formatError(const std::string& expected) const;

  std::vector<TWordContainer> lines_;
  int line_ = 0;  // 0-based index of the current line
  int item_ = 0;  // words already taken from the current line
};

// Splits one line: everything of code 32 or less is trimmed from both ends; words are
// separated by the first blank or tab, and the separator run (any code <= 32) is dropped.
TWordContainer SplitLine(const std::string& line);

}  // namespace talmo
