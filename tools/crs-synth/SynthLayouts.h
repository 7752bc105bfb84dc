#pragma once
// The records of the list reports: coupon, and the cashier record that the day/shift report
// shares (763 bytes; 778 from ROM 3.03 to 3.05).
#include "crs-synth/SynthTotaliserLayout.h"

namespace SynthLayouts {
const SynthTotaliserLayout& Coupon();
const SynthTotaliserLayout& Cashier();
const SynthTotaliserLayout& Cashier303();
} // namespace SynthLayouts
