#include "programming/framework/MemAllocLayout.h"

namespace {
using MemAllocFields::Coding;
using MemAllocFields::Field;
constexpr MemAllocFields::Place No{-1, 0};

// Places by layout: one-byte Coupon, two-byte Coupon, 3.02, 4.02.
const std::array<Field, MemAllocFields::Count> kFields{{
    {"Rom Version", TFieldType::Alpha, 5, Coding::Text, {{{0, 5}, {0, 5}, {0, 5}, {0, 5}}}},
    {"PLU", TFieldType::Short, 0, Coding::Bcd, {{{5, 2}, {5, 2}, {5, 2}, {5, 2}}}},
    {"Price Schedule", TFieldType::Short, 0, Coding::Bcd, {{{7, 2}, {7, 2}, {7, 2}, {7, 2}}}},
    {"Condiment Table", TFieldType::Short, 0, Coding::Bcd, {{{9, 2}, {9, 2}, {9, 2}, {9, 2}}}},
    {"Condiment Chain", TFieldType::Short, 0, Coding::Bcd, {{{11, 2}, {11, 2}, {11, 2}, {11, 2}}}},
    {"Coupon", TFieldType::Short, 0, Coding::Bcd, {{{13, 1}, {13, 2}, {13, 2}, {13, 1}}}},
    {"Employee", TFieldType::Short, 0, Coding::Bcd, {{{14, 2}, {15, 2}, {15, 2}, {14, 2}}}},
    {"Cashier", TFieldType::Short, 0, Coding::Bcd, {{{16, 2}, {17, 2}, {17, 2}, {16, 2}}}},
    {"Shift in Day", TFieldType::Short, 0, Coding::Bcd, {{{18, 1}, {19, 1}, {19, 1}, {18, 1}}}},
    {"Time Period", TFieldType::Short, 0, Coding::Bcd, {{{19, 1}, {20, 1}, {20, 1}, {19, 1}}}},
    {"Prod Mix Group", TFieldType::Short, 0, Coding::Bcd, {{{20, 1}, {21, 1}, {21, 1}, {20, 1}}}},
    {"Product Projections", TFieldType::Logical, 0, Coding::Bit, {{{21, 1}, {22, 1}, {22, 1}, {21, 1}}}},
    {"Item Trans", TFieldType::Short, 0, Coding::Bcd, {{{22, 1}, {23, 1}, {23, 1}, {22, 1}}}},
    {"Order Track", TFieldType::Short, 0, Coding::Bcd, {{{23, 2}, {24, 2}, {24, 2}, {23, 2}}}},
    {"Electronic Journal", TFieldType::Short, 0, Coding::Bcd, {{{25, 2}, {26, 2}, {26, 2}, {25, 2}}}},
    {"Inventory Recipe", TFieldType::Short, 0, Coding::Bcd, {{{27, 2}, {28, 2}, {28, 2}, {27, 2}}}},
    {"Inventory Items", TFieldType::Short, 0, Coding::Bcd, {{{29, 2}, {30, 2}, {30, 2}, {29, 2}}}},
    {"Credit Tracking", TFieldType::Short, 0, Coding::Bcd, {{{31, 2}, {32, 2}, {32, 2}, No}}},
    {"Discount Catagory", TFieldType::Short, 0, Coding::Bcd, {{{33, 2}, {34, 2}, {34, 2}, No}}},
    {"Protected Pre-Poll", TFieldType::Logical, 0, Coding::Bit, {{No, No, {36, 1}, No}}},
    {"Logo", TFieldType::Logical, 0, Coding::Bit, {{No, No, {37, 1}, {31, 1}}}},
    {"Spec Itm Stock", TFieldType::Short, 0, Coding::Bcd, {{No, No, {38, 2}, No}}},
    {"KPG Desc", TFieldType::Short, 0, Coding::Bcd, {{No, No, No, {32, 1}}}},
    {"Two Byte Codes", TFieldType::Short, 0, Coding::Bcd, {{No, No, No, {33, 2}}}},
    {"KP Language", TFieldType::Short, 0, Coding::Byte, {{No, No, No, {35, 1}}}},
    {"RCPT Language", TFieldType::Short, 0, Coding::Byte, {{No, No, No, {36, 1}}}},
}};
} // namespace

const std::array<Field, MemAllocFields::Count>& MemAllocFields::All() { return kFields; }

int MemAllocFields::RecordSize(MemAllocLayout layout) {
  switch (layout) {
  case MemAllocLayout::V302: return 40;
  case MemAllocLayout::V402: return 37;
  default: return 36;
  }
}

const MemAllocFields::Place& MemAllocFields::PlaceIn(const Field& field, MemAllocLayout layout) {
  return field.places[size_t(layout)];
}
