#include "text_out.h"

#include <algorithm>
#include <cerrno>
#include <string>
#include <system_error>

#include "fixed_format.h"

namespace talmo {

bool TextOut::open(const std::filesystem::path& path) {
  close();
  openError_.clear();
  if (path.empty()) {
    openError_ = "no file name was given";
    return false;
  }
  errno = 0;
  stream_.open(path, std::ios::out | std::ios::trunc | std::ios::binary);
  if (!stream_.is_open()) {
    const int code = errno;
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) openError_ = "a folder of that name exists";
    else if (code != 0) openError_ = std::generic_category().message(code);
    else openError_ = "the file could not be opened for writing";
  }
  return stream_.is_open();
}

void TextOut::openMemory(std::size_t expectedSize) {
  close();
  memory_ = true;
  text_.clear();
  text_.reserve(expectedSize);
  lines_ = 0;
}

void TextOut::close() {
  if (stream_.is_open()) stream_.close();
  memory_ = false;
}

void TextOut::line(std::string_view text) {
  if (keep_) records_.emplace_back(text);
  if (copy_) copy_->emplace_back(text);
  if (memory_) {
    text_.append(text);
    text_ += '\n';
    ++lines_;
    return;
  }
  if (!stream_.is_open()) return;
  stream_ << text << '\n';
}

void TextOut::appendText(std::string_view records) {
  if (copy_ || keep_) {
    for (std::size_t from = 0; from < records.size();) {
      const std::size_t end = records.find('\n', from);
      const std::string_view record = records.substr(from, end - from);
      if (keep_) records_.emplace_back(record);
      if (copy_) copy_->emplace_back(record);
      from = end == std::string_view::npos ? records.size() : end + 1;
    }
  }
  if (memory_) {
    text_.append(records);
    lines_ += static_cast<std::size_t>(std::count(records.begin(), records.end(), '\n'));
  } else if (stream_.is_open()) {
    stream_.write(records.data(), static_cast<std::streamsize>(records.size()));
  }
}

void TextOut::lineFixedWidth(std::string_view record, std::size_t width) {
  // A carriage return before a line end is not part of the record.
  if (!record.empty() && record.back() == '\r') record.remove_suffix(1);
  line(fmt::padRight(record, width));
}

void TextOut::blankLines(int count) {
  for (int i = 0; i < count; ++i) line();
}

void TextOut::appendFileFixedWidth(const std::filesystem::path& source, std::size_t width) {
  if (!stream_.is_open() || source.empty()) return;
  std::ifstream in(source, std::ios::binary);
  std::string record;
  while (std::getline(in, record)) lineFixedWidth(record, width);
}

void TextOut::appendRecordsFixedWidth(const std::vector<std::string>& records, std::size_t width) {
  // As a file of these records reads back: a record holding line ends is several, and a
  // carriage return before a line end is not part of the record.
  for (const std::string& record : records) {
    std::string_view rest = record;
    while (true) {
      const std::size_t end = rest.find('\n');
      lineFixedWidth(rest.substr(0, end), width);
      if (end == std::string_view::npos) break;
      rest.remove_prefix(end + 1);
    }
  }
}

}  // namespace talmo
