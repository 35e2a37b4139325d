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
  // Creates or truncates the file. Returns false when it cannot be opened.
  bool open(const std::filesystem::path& path);
  void close();
  bool isOpen() const { return stream_.is_open(); }

  // Writes one record: the text followed by a line end.
  void line(std::string_view text = {});
  void blankLines(int count);

  // Keeps a copy of every record written from now on in `copy` (null stops copying).
  void keepCopy(std::vector<std::string>* copy) { copy_ = copy; }

  // Appends the records of another file, each as exactly `width` characters (cut or padded).
  void appendFileFixedWidth(const std::filesystem::path& source, std::size_t width);

 private:
  std::ofstream stream_;
  std::vector<std::string>* copy_ = nullptr;
};

}  // namespace talmo
