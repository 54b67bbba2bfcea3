#pragma once

#include "editor/glyph_grid.h"

namespace velmora {

/// Start-up: white paper, an empty grid, black ink, then the sample character of
/// kInitialGlyph with its column values.
void LoadWindow(GlyphGrid& grid);

/// Switches cell `index` (0..63) off when it has the ink colour, on otherwise, then
/// recomputes every column value.
void ToggleCell(GlyphGrid& grid, int index);

/// Rewrites all eight value boxes from the cells that are on.
void RecomputeColumns(GlyphGrid& grid);

/// Makes palette entry `index` (0..47) the ink and repaints every cell that is not paper
/// with it, so the cells that were on stay on. An ink equal to the paper colour would make
/// every cell of the picture vanish for good, so choosing it changes nothing.
void SelectInk(GlyphGrid& grid, int index);

/// Every cell paper-coloured with tooltip "0", every value box "0"; the ink is kept.
void ClearGlyph(GlyphGrid& grid);

}  // namespace velmora
