#include "text_out.h"

#include <algorithm>
#include <cerrno>
#include <string>
#include <system_error>

namespace talmo {

bool TextOut::open(const std::filesystem::path& path) {
  close();
  text_.clear();
  openError_.clear();
  if (path.empty()) {
    openError_ = "no file name was given";
    return false;
  }
  errno = 0;
  if (!stream_) stream_ = std::make_unique<std::ofstream>();
  stream_->open(path, std::ios::out | std::ios::trunc | std::ios::binary);
  if (!stream_->is_open()) {
    const int code = errno;
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) openError_ = "a folder of that name exists";
    else if (code != 0) openError_ = std::generic_category().message(code);
    else openError_ = "the file could not be opened for writing";
  }
  return stream_->is_open();
}

namespace {

// Bytes of a file's records gathered before they are written.
constexpr std::size_t kWriteSize = 1 << 16;

// The records of a text as a file of it reads back: each line, and a last one without its line
// end.
template <typename Each>
void forEachRecord(std::string_view text, Each each) {
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    each(text.substr(0, end));
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
}

}  // namespace

TextOut::~TextOut() { writeBuffered(); }

TextOut& TextOut::operator=(TextOut&& other) noexcept {
  if (this == &other) return *this;
  writeBuffered();
  stream_ = std::move(other.stream_);
  memory_ = other.memory_;
  text_ = std::move(other.text_);
  lines_ = other.lines_;
  copy_ = other.copy_;
  openError_ = std::move(other.openError_);
  keep_ = other.keep_;
  records_ = std::move(other.records_);
  return *this;
}

void TextOut::openMemory(std::size_t expectedSize) {
  close();
  memory_ = true;
  text_.clear();
  text_.reserve(expectedSize);
  lines_ = 0;
}

void TextOut::close() {
  if (fileOpen()) {
    writeBuffered();
    stream_->close();
  }
  memory_ = false;
}

void TextOut::writeBuffered() {
  if (memory_ || !fileOpen()) return;
  stream_->write(text_.data(), static_cast<std::streamsize>(text_.size()));
  text_.clear();
}

void TextOut::record(std::string_view text, std::size_t blanks) {
  if (keep_ || copy_) {
    std::string padded(text);
    padded.append(blanks, ' ');
    if (keep_) records_.push_back(padded);
    if (copy_) copy_->push_back(std::move(padded));
  }
  if (!memory_ && !fileOpen()) return;
  text_.append(text);
  if (blanks > 0) text_.append(blanks, ' ');
  text_ += '\n';
  ++lines_;
  if (text_.size() >= kWriteSize) writeBuffered();
}

void TextOut::line(std::string_view text) { record(text, 0); }

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
  if (!memory_ && !fileOpen()) return;
  text_.append(records);
  if (memory_) lines_ += static_cast<std::size_t>(std::count(records.begin(), records.end(), '\n'));
  if (text_.size() >= kWriteSize) writeBuffered();
}

void TextOut::lineFixedWidth(std::string_view record, std::size_t width) {
  // A carriage return before a line end is not part of the record.
  if (!record.empty() && record.back() == '\r') record.remove_suffix(1);
  record = record.substr(0, width);
  this->record(record, width - record.size());
}

void TextOut::blankLines(int count) {
  for (int i = 0; i < count; ++i) line();
}

void TextOut::appendFileFixedWidth(const std::filesystem::path& source, std::size_t width) {
  if (!fileOpen() || source.empty()) return;
  std::ifstream in(source, std::ios::binary | std::ios::ate);
  if (!in) return;
  std::string content(static_cast<std::size_t>(std::max<std::streamoff>(in.tellg(), 0)), '\0');
  in.seekg(0);
  in.read(content.data(), static_cast<std::streamsize>(content.size()));
  content.resize(static_cast<std::size_t>(in.gcount()));
  forEachRecord(content, [&](std::string_view r) { lineFixedWidth(r, width); });
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
