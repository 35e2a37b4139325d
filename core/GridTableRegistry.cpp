#include "GridTableRegistry.h"

#include <algorithm>
#include <climits>

#include "GridTable.h"

namespace talmo {

TGridTable* TTableRegistry::FindByIdentifier(int identifier) const {
  if (identifier < 0) return nullptr;
  for (TGridTable* table : tables_)
    if (table->Identifier() == identifier) return table;
  return nullptr;
}

TGridTable* TTableRegistry::TableAt(int index) const {
  if (index < 0 || index >= Count()) return nullptr;
  return tables_[static_cast<std::size_t>(index)];
}

int TTableRegistry::Register(TGridTable* table) {
  // Identifiers of tables long gone are free again once the counter runs out.
  auto advance = [this] { nextIdentifier_ = nextIdentifier_ == INT_MAX ? 1 : nextIdentifier_ + 1; };
  while (FindByIdentifier(nextIdentifier_) != nullptr) advance();
  tables_.push_back(table);
  const int identifier = nextIdentifier_;
  advance();
  return identifier;
}

void TTableRegistry::Unregister(const TGridTable* table) {
  tables_.erase(std::remove(tables_.begin(), tables_.end(), table), tables_.end());
}

TGridTable* TGridTableList::Lookup(int i, const TTableRegistry& registry) const {
  if (i < 0 || i >= Count()) return nullptr;
  const TEntry& entry = entries_[static_cast<std::size_t>(i)];
  return entry.kind == TKind::Identifier ? registry.FindByIdentifier(entry.value) : registry.TableAt(entry.value);
}

}  // namespace talmo
