#pragma once
// Reads the project file group by group. A group starts on a new line; its values are
// separated by blanks or commas and may continue over further lines; whatever follows the
// group's last value on its line is skipped. Problems are thrown as InputError with the line,
// the item's position on that line and what was expected.
#include <istream>
#include <stdexcept>
#include <string>
#include <vector>

#include "real.h"

namespace talmo {

struct InputError {
  int line = 0;  // 1-based line of the project file, 0 when not tied to a line
  int item = 0;  // 1-based position of the word on that line, 0 when not tied to a word
  std::string problem;
};

class GroupReader {
 public:
  explicit GroupReader(std::istream& in) : in_(in) {}

  // Reads a whole line as text (the title).
  std::string textLine(const std::string& what);

  // Starts a new group on the next line.
  void beginGroup();

  // Reads the next value of the current group; `what` names it in error messages.
  Real real(const std::string& what);
  // A whole number; written as an integer or as a real with no fraction ("2" or "2.0").
  int integer(const std::string& what);
  // A number truncated towards zero (the soil type code is read as a real and truncated).
  int truncated(const std::string& what);

  int lineNumber() const { return line_; }
  int itemNumber() const { return static_cast<int>(next_); }

 private:
  bool readLine();
  const std::string& nextWord(const std::string& what);
  Real parseReal(const std::string& word, const std::string& what) const;

  std::istream& in_;
  int line_ = 0;
  std::vector<std::string> words_;
  std::size_t next_ = 0;
  bool pendingNewLine_ = true;
};

}  // namespace talmo
