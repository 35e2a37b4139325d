#include "text_out.h"

#include <string>

#include "fixed_format.h"

namespace talmo {

bool TextOut::open(const std::filesystem::path& path) {
  close();
  if (path.empty()) return false;
  stream_.open(path, std::ios::out | std::ios::trunc | std::ios::binary);
  return stream_.is_open();
}

void TextOut::close() {
  if (stream_.is_open()) stream_.close();
}

void TextOut::line(std::string_view text) {
  if (copy_) copy_->emplace_back(text);
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

}  // namespace talmo
