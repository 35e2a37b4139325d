#pragma once
// What the result loader needs of the current project: its settings that shape the plots and
// its soil layers for the layer column.
#include <vector>

#include "ProgramData.h"
#include "ResultLoading.h"

namespace talmo {

TResultSettings ResultSettingsOf(const TProgramData& project);
// One entry per row of the soil-layer table: type code and bottom depth.
std::vector<TSoilLayerEntry> SoilLayersOf(const TProjectTables& tables);

}  // namespace talmo
