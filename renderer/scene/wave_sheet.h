// The rippling sheet: 12 x 12 cells of two facets over x 0..24, z 0..-24,
// carrying the whole snapshot once (s = x / 24, t = -z / 24).
#pragma once

#include "renderer/scene/facet.h"

inline constexpr int kSheetCells = 12;

// Clears the list and appends the sheet's 288 facets for elapsed time t
// (seconds): column by column, row by row within a column, A before B.
void BuildWaveSheet(FacetList& list, float t);
