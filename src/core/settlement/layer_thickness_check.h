#pragma once

// A layer cannot settle by more than the soil it holds: a settlement that reaches the layer's
// thickness means the compression formulas were used beyond their range, however smoothly they
// produced a number. The settlement and the preload calculations both warn of it.

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace korvex {

// The layers, numbered from 1, whose settlement reaches their thickness. Element i - 1 of each
// span belongs to layer i; a settlement counts by its size, so the stored (negative, downward)
// values can be passed as they are.
std::vector<int> layersReachingThickness(std::span<const double> settlements,
                                         std::span<const double> thicknesses);

// The warning naming those layers; `situation` says where the settlements belong, for example
// "at the calculated fill thickness".
std::string layersReachingThicknessMessage(std::span<const int> layers, std::string_view situation);

} // namespace korvex
