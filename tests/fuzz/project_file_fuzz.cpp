// Any bytes opened as a project file, through each choice of the open dialog: the reader ends
// in a project or in its message, never in a crash, a hang or undefined behaviour. A file that
// reads without error saves, and what it saves reads back and saves to the same text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "ProgramData.h"

namespace {

void require(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace talmo;
  const std::string text(reinterpret_cast<const char*>(data), size);
  for (int filter : {kFilterCurrent, kFilterNewerOld, kFilterOldest}) {
    TProjectTables tables;
    TProjectLoad load = TProgramData::CreateFromText(tables, "fuzz.tm8d", text, filter);
    require(load.project != nullptr);
    require(!load.project->Changed());
    require(tables.D().RowCount() >= 1 && tables.D().RowCount() <= kMaxLayers);
    require(tables.TblTZDepth().RowCount() >= 1 && tables.TblTZDepth().RowCount() <= kMaxTzDepths);
    if (!load.error.empty()) continue;

    const std::string saved = load.project->SaveText();
    TProjectTables again;
    TProjectLoad reread = TProgramData::CreateFromText(again, "fuzz.tm8d", saved, kFilterCurrent);
    require(reread.error.empty());
    require(reread.project->SaveText() == saved);
  }
  return 0;
}
