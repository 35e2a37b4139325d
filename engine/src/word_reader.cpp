#include "word_reader.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace talmo {

bool GroupReader::readLine() {
  std::string text;
  if (!std::getline(in_, text)) return false;
  ++line_;
  words_.clear();
  next_ = 0;
  std::string word;
  for (char c : text) {
    if (c == ' ' || c == ',' || c == '\t' || c == '\r') {
      if (!word.empty()) words_.push_back(std::move(word));
      word.clear();
    } else {
      word += c;
    }
  }
  if (!word.empty()) words_.push_back(std::move(word));
  return true;
}

std::string GroupReader::textLine(const std::string& what) {
  std::string text;
  if (!std::getline(in_, text)) {
    throw InputError{line_ + 1, 0, "THE FILE ENDS BEFORE THE " + what};
  }
  ++line_;
  if (!text.empty() && text.back() == '\r') text.pop_back();
  words_.clear();
  next_ = 0;
  return text;
}

void GroupReader::beginGroup() {
  words_.clear();
  next_ = 0;
  pendingNewLine_ = true;
}

const std::string& GroupReader::nextWord(const std::string& what) {
  // The first value of a group always comes from a fresh line; later values continue on the
  // current line and then on as many further lines as they need.
  while (pendingNewLine_ || next_ >= words_.size()) {
    if (!readLine()) throw InputError{line_ + 1, 0, "THE FILE ENDS BEFORE THE " + what};
    pendingNewLine_ = false;
  }
  return words_[next_++];
}

Real GroupReader::parseReal(const std::string& word, const std::string& what) const {
  // Ordinary decimal or exponent notation; a leading plus sign and a Fortran D exponent too.
  std::string text = word;
  if (!text.empty() && text[0] == '+') text.erase(0, 1);
  for (char& c : text)
    if (c == 'd' || c == 'D') c = 'E';
  float value = 0;
  const char* first = text.data();
  const char* last = first + text.size();
  auto [ptr, ec] = std::from_chars(first, last, value, std::chars_format::general);
  if (ec == std::errc::result_out_of_range) {
    throw InputError{line_, itemNumber(), "\"" + word + "\" IS OUT OF RANGE FOR THE " + what};
  }
  if (ec != std::errc() || ptr != last || !std::isfinite(value)) {
    throw InputError{line_, itemNumber(), "\"" + word + "\" IS NOT A NUMBER; EXPECTED THE " + what};
  }
  return value;
}

Real GroupReader::real(const std::string& what) { return parseReal(nextWord(what), what); }

int GroupReader::integer(const std::string& what) {
  const std::string& word = nextWord(what);
  const Real value = parseReal(word, what);
  if (value != std::trunc(value) || std::fabs(value) > 1e9f) {
    throw InputError{line_, itemNumber(), "\"" + word + "\" IS NOT A WHOLE NUMBER; EXPECTED THE " + what};
  }
  return static_cast<int>(value);
}

int GroupReader::truncated(const std::string& what) {
  const std::string& word = nextWord(what);
  const Real value = parseReal(word, what);
  if (std::fabs(value) > 1e9f) {
    throw InputError{line_, itemNumber(), "\"" + word + "\" IS OUT OF RANGE FOR THE " + what};
  }
  return static_cast<int>(value);
}

}  // namespace talmo
