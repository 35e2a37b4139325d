#pragma once
// The ten most recently opened project files, most recent first.
#include <array>
#include <string>

namespace talmo {

class TRecentFiles {
 public:
  static constexpr int kCapacity = 10;

  // Makes `file` the most recent entry: an entry already first stays; one further down moves
  // to the front, the entries before it moving down one place; a new file pushes every entry
  // down and the tenth is dropped.
  void Record(const std::string& file);

  // Entry 0..9 ("" when empty).
  const std::string& Entry(int index) const { return entries_.at(index); }
  void SetEntry(int index, const std::string& file) { entries_.at(index) = file; }
  // Number of non-empty entries (NumberPrevFile).
  int Count() const;
  // The non-empty entries in order (empty slots of a hand-edited settings store are skipped).
  std::array<std::string, kCapacity> Compacted() const;

  // Menu text of a path: relative to `currentDir` when it lies under it, else the whole path.
  static std::string DisplayPath(const std::string& file, const std::string& currentDir);

 private:
  std::array<std::string, kCapacity> entries_{};
};

}  // namespace talmo
