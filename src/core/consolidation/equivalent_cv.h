#pragma once

#include "app/vb_types.h"

#include <optional>
#include <string>
#include <vector>

namespace korvex {

class Desktop;

// Why a layer's Cv has no place in an equivalent Cv (layers counted from 1).
std::string cvNotPositiveMessage(int layer);

// The Cv of one homogeneous layer that consolidates the stack of layers in the same time:
// (sum h_i / sum (h_i / sqrt(Cv_i)))^2. A layer with a Cv of 0 or below, or a stack without
// thickness, has no such value: the user is told which, and nothing is returned.
std::optional<Single> equivalentCv(const std::vector<Single>& thicknesses,
                                   const std::vector<Single>& cvs, Desktop& desktop);

} // namespace korvex
