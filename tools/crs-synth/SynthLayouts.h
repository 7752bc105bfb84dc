#pragma once
// The records of the list reports: coupon, and the cashier record that the day/shift report
// shares (763 bytes; 778 from ROM 3.03 to 3.05).
#include "crs-synth/SynthTotaliserLayout.h"

namespace SynthLayouts {
const SynthTotaliserLayout& Coupon();
const SynthTotaliserLayout& Cashier();
const SynthTotaliserLayout& Cashier303();
// PLU: total, count, promotion, waste, weight, promotion weight, waste weight (39 bytes).
const SynthTotaliserLayout& Plu();
// Major and sub group: total, count, weight (17 bytes).
const SynthTotaliserLayout& Group();
// Inventory: seven quantities of 5 bytes.
const SynthTotaliserLayout& Inventory();
// Special item stock: the stock, 3 bytes.
const SynthTotaliserLayout& Stock();
} // namespace SynthLayouts
