#pragma once
// The list of all grid tables of one program window and their identifiers. Whoever owns a set
// of tables (the main window's project tables) owns one registry and creates every table with
// it; a table registers itself when created and leaves when destroyed, so the registry must
// outlive its tables. Templates are found through it by identifier.
#include <vector>

namespace talmo {

class TGridTable;

class TTableRegistry {
 public:
  TTableRegistry() = default;
  TTableRegistry(const TTableRegistry&) = delete;
  TTableRegistry& operator=(const TTableRegistry&) = delete;

  // The table with this identifier, or nullptr.
  TGridTable* FindByIdentifier(int identifier) const;
  // The table at this position of the list (creation order), or nullptr.
  TGridTable* TableAt(int index) const;
  int Count() const { return static_cast<int>(tables_.size()); }

 private:
  friend class TGridTable;
  // Adds the table and returns its identifier: the next number of the counter that no table
  // holds yet (identifiers set by hand, such as template numbers, are skipped).
  int Register(TGridTable* table);
  void Unregister(const TGridTable* table);

  std::vector<TGridTable*> tables_;
  int nextIdentifier_ = 1;
};

// The templates of a table column: one entry per choice of the table's first column. An entry
// names a table by its identifier (the current form) or by its position in the registry (an
// older form); an identifier below 0 is an empty entry.
class TGridTableList {
 public:
  enum class TKind { Identifier, Index };
  struct TEntry {
    TKind kind = TKind::Identifier;
    int value = -1;
  };

  void AddIdentifier(int identifier) { entries_.push_back({TKind::Identifier, identifier}); }
  void AddIndex(int index) { entries_.push_back({TKind::Index, index}); }
  void Clear() { entries_.clear(); }
  int Count() const { return static_cast<int>(entries_.size()); }
  const TEntry& Entry(int i) const { return entries_.at(static_cast<std::size_t>(i)); }

  // The table of entry `i`, or nullptr for an empty, unknown or missing entry.
  TGridTable* Lookup(int i, const TTableRegistry& registry) const;

 private:
  std::vector<TEntry> entries_;
};

}  // namespace talmo
