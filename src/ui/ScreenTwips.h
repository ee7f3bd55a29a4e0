#pragma once

namespace arc {

// Screen positions are given in twips; 15 twips make a pixel at 96 dpi.
constexpr int twipsToPixels(int twips) { return twips / 15; }

} // namespace arc
