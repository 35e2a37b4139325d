#pragma once
// One output text file of a run, written record by record. A file that could not be opened
// (or was never named) swallows its records, so a model can always write its messages.
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace talmo {

class TextOut {
 public:
  TextOut() = default;
  TextOut(TextOut&&) = default;
  // A file replaced by another TextOut first gets the records it still holds.
  TextOut& operator=(TextOut&& other) noexcept;
  // Writes what is still buffered.
  ~TextOut();

  // Creates or truncates the file. Returns false when it cannot be opened; openError() then
  // says why.
  bool open(const std::filesystem::path& path);
  // Keeps the records in memory instead (text() returns them), so that a part of a run can be
  // computed on its own and appended to the file later, in order. `expectedSize` (bytes) saves
  // the growing of the buffer.
  void openMemory(std::size_t expectedSize = 0);
  void close();
  bool isOpen() const { return fileOpen() || memory_; }
  // The records kept in memory (openMemory); for a file, what is not yet written to it.
  const std::string& text() const { return text_; }
  std::size_t lineCount() const { return lines_; }

  // Appends records taken from another TextOut's text().
  void appendText(std::string_view records);
  const std::string& openError() const { return openError_; }

  // Keeps a copy of every record written from now on, so that a scratch file in a shared folder
  // is merged from what this run wrote, whatever happens to the file on disk.
  void keepRecords() { keep_ = true; }
  const std::vector<std::string>& records() const { return records_; }

  // Writes one record: the text followed by a line end.
  void line(std::string_view text = {});
  void blankLines(int count);

  // Keeps a copy of every record written from now on in `copy` (null stops copying).
  void keepCopy(std::vector<std::string>* copy) { copy_ = copy; }

  // Appends the records of another file, each as exactly `width` characters (cut or padded).
  void appendFileFixedWidth(const std::filesystem::path& source, std::size_t width);
  // The same for records that were written to such a file: each split at its line ends.
  void appendRecordsFixedWidth(const std::vector<std::string>& records, std::size_t width);

 private:
  // One record of exactly `width` characters.
  void lineFixedWidth(std::string_view record, std::size_t width);
  // One record: the text, `blanks` blanks and a line end.
  void record(std::string_view text, std::size_t blanks);
  // A file's records gather in text_ and go to the file in large pieces (and when it is closed):
  // one write per record would cost more than the formatting of the record.
  void writeBuffered();

  bool fileOpen() const { return stream_ && stream_->is_open(); }

  // Made when a file is opened: most TextOuts of a run hold one case's records in memory, and a
  // stream costs more to make than many records to write.
  std::unique_ptr<std::ofstream> stream_;
  bool memory_ = false;
  std::string text_;
  std::size_t lines_ = 0;
  std::vector<std::string>* copy_ = nullptr;
  std::string openError_;
  bool keep_ = false;
  std::vector<std::string> records_;
};

}  // namespace talmo
