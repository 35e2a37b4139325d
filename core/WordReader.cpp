#include "WordReader.h"

#include <cmath>
#include <fstream>
#include <sstream>

#include "Errors.h"
#include "NumberText.h"

namespace talmo {

namespace {

const char* const kIncomplete = "This file either invalid or incomplete.";

bool isControlOrBlank(char c) { return static_cast<unsigned char>(c) <= 32; }

}  // namespace

TWordContainer SplitLine(const std::string& line) {
  TWordContainer result;
  result.OrigString = line;
  std::size_t begin = 0;
  std::size_t end = line.size();
  while (begin < end && isControlOrBlank(line[begin])) ++begin;
  while (end > begin && isControlOrBlank(line[end - 1])) --end;
  // A word ends at the first blank or tab; the run of blanks and control characters after it
  // is dropped. Walking an index keeps long lines linear.
  std::size_t pos = begin;
  while (pos < end) {
    std::size_t sep = pos;
    while (sep < end && line[sep] != ' ' && line[sep] != '\t') ++sep;
    result.words.push_back(line.substr(pos, sep - pos));
    pos = sep;
    while (pos < end && isControlOrBlank(line[pos])) ++pos;
  }
  return result;
}

TWordReader::TWordReader(const std::string& fileName) {
  std::ifstream in(fileName, std::ios::binary);
  if (!in) throw EFOpenError("Cannot open file \"" + fileName + "\".");
  std::ostringstream text;
  text << in.rdbuf();
  if (in.bad()) throw EFOpenError("Cannot read file \"" + fileName + "\".");
  load(text.str());
}

TWordReader TWordReader::FromText(const std::string& text) {
  TWordReader reader;
  reader.load(text);
  return reader;
}

void TWordReader::load(const std::string& text) {
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t eol = text.find('\n', pos);
    const bool last = eol == std::string::npos;
    if (last) eol = text.size();
    std::string line = text.substr(pos, eol - pos);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines_.push_back(SplitLine(line));
    pos = last ? text.size() : eol + 1;
  }
  // An empty file still holds one (empty) line.
  if (lines_.empty()) lines_.push_back(SplitLine(""));
}

int TWordReader::GetWordCount(int lineIndex) const {
  if (lineIndex < 0 || lineIndex >= NumberLines()) return 0;
  return static_cast<int>(lines_[lineIndex].words.size());
}

int TWordReader::CurrentLineWordCount() const { return GetWordCount(line_); }

void TWordReader::stepToNextLineIfExhausted() {
  if (!Eof() && item_ == CurrentLineWordCount()) {
    ++line_;
    item_ = 0;
  }
  // A word asked on an empty line is reported like a file that ends too early.
  if (Eof() || item_ >= CurrentLineWordCount()) throw EInOutError(kIncomplete);
}

const std::string& TWordReader::peekWord() {
  stepToNextLineIfExhausted();
  return lines_[line_].words[item_];
}

std::string TWordReader::ReadWord() {
  std::string word = peekWord();
  ++item_;
  return word;
}

void TWordReader::formatError(const std::string& expected) const {
  throw EInOutError("Error on Line " + std::to_string(line_ + 1) + " Item " + std::to_string(item_) +
                    "\r" + expected);
}

double TWordReader::ReadFloat() {
  const std::string word = ReadWord();
  double value = 0.0;
  if (!ParseReal(word, value)) formatError("A floating point number was expected but not found.");
  return value;
}

std::int32_t TWordReader::ReadInteger() {
  const std::string word = ReadWord();
  double value = 0.0;
  if (!ParseReal(word, value) || value != std::trunc(value) || value < -2147483648.0 ||
      value > 2147483647.0) {
    formatError("An integer was expected but not found.");
  }
  return static_cast<std::int32_t>(value);
}

std::string TWordReader::ReadWords() {
  std::string result;
  for (;;) {
    const std::string& word = peekWord();
    double ignored = 0.0;
    if (ParseReal(word, ignored)) break;
    if (!result.empty()) result += ' ';
    result += word;
    ++item_;
  }
  return result;
}

std::string TWordReader::ReadLine() {
  if (Eof()) throw EInOutError(kIncomplete);
  std::string text = lines_[line_].OrigString;
  ++line_;
  item_ = 0;
  return text;
}

int TWordReader::CountWordsLine() {
  if (Eof()) throw EInOutError(kIncomplete);
  const int count = CurrentLineWordCount();
  ++line_;
  item_ = 0;
  return count;
}

}  // namespace talmo
