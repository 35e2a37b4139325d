#pragma once
// One output text file of a run, written record by record. A file that could not be opened
// (or was never named) swallows its records, so a model can always write its messages.
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

namespace talmo {

class TextOut {
 public:
  // Creates or truncates the file. Returns false when it cannot be opened; openError() then
  // says why.
  bool open(const std::filesystem::path& path);
  void close();
  bool isOpen() const { return stream_.is_open(); }
  const std::string& openError() const { return openError_; }

  // Keeps a copy of every record written from now on, so that a scratch file in a shared folder
  // is merged from what this run wrote, whatever happens to the file on disk.
  void keepRecords() { keep_ = true; }
  const std::vector<std::string>& records() const { return records_; }

  // Writes one record: the text followed by a line end.
  void line(std::string_view text = {});
  void blankLines(int count);

  // Appends the records of another file, each as exactly `width` characters (cut or padded).
  void appendFileFixedWidth(const std::filesystem::path& source, std::size_t width);
  // The same for records held in memory.
  void appendRecordsFixedWidth(const std::vector<std::string>& records, std::size_t width);

 private:
  std::ofstream stream_;
  std::string openError_;
  bool keep_ = false;
  std::vector<std::string> records_;
};

}  // namespace talmo
