#include "text_out.h"

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

void TextOut::close() {
  if (stream_.is_open()) stream_.close();
}

void TextOut::line(std::string_view text) {
  if (keep_) records_.emplace_back(text);
  if (!stream_.is_open()) return;
  stream_ << text << '\n';
}

void TextOut::blankLines(int count) {
  for (int i = 0; i < count; ++i) line();
}

void TextOut::appendFileFixedWidth(const std::filesystem::path& source, std::size_t width) {
  if (!stream_.is_open() || source.empty()) return;
  std::ifstream in(source, std::ios::binary);
  std::string record;
  while (std::getline(in, record)) {
    if (!record.empty() && record.back() == '\r') record.pop_back();
    line(fmt::padRight(record, width));
  }
}

void TextOut::appendRecordsFixedWidth(const std::vector<std::string>& records, std::size_t width) {
  for (const std::string& record : records) line(fmt::padRight(record, width));
}

}  // namespace talmo
