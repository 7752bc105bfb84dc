#include "programming/framework/MemAllocLayout.h"

namespace {
using C = EcrCoding;
using T = TFieldType;
constexpr EcrPlace No = kNotInVariant;

// Places by layout: one-byte Coupon, two-byte Coupon, 3.02, 4.02.
const EcrLayout& TheLayout() {
  static const EcrLayout layout{
    {36, 36, 40, 37},
    {
        {"Rom Version", T::Alpha, 5, C::Text, {{0, 5}, {0, 5}, {0, 5}, {0, 5}}},
        {"PLU", T::Short, 0, C::Bcd, {{5, 2}, {5, 2}, {5, 2}, {5, 2}}},
        {"Price Schedule", T::Short, 0, C::Bcd, {{7, 2}, {7, 2}, {7, 2}, {7, 2}}},
        {"Condiment Table", T::Short, 0, C::Bcd, {{9, 2}, {9, 2}, {9, 2}, {9, 2}}},
        {"Condiment Chain", T::Short, 0, C::Bcd, {{11, 2}, {11, 2}, {11, 2}, {11, 2}}},
        {"Coupon", T::Short, 0, C::Bcd, {{13, 1}, {13, 2}, {13, 2}, {13, 1}}},
        {"Employee", T::Short, 0, C::Bcd, {{14, 2}, {15, 2}, {15, 2}, {14, 2}}},
        {"Cashier", T::Short, 0, C::Bcd, {{16, 2}, {17, 2}, {17, 2}, {16, 2}}},
        {"Shift in Day", T::Short, 0, C::Bcd, {{18, 1}, {19, 1}, {19, 1}, {18, 1}}},
        {"Time Period", T::Short, 0, C::Bcd, {{19, 1}, {20, 1}, {20, 1}, {19, 1}}},
        {"Prod Mix Group", T::Short, 0, C::Bcd, {{20, 1}, {21, 1}, {21, 1}, {20, 1}}},
        {"Product Projections", T::Logical, 0, C::Bit, {{21, 1}, {22, 1}, {22, 1}, {21, 1}}},
        {"Item Trans", T::Short, 0, C::Bcd, {{22, 1}, {23, 1}, {23, 1}, {22, 1}}},
        {"Order Track", T::Short, 0, C::Bcd, {{23, 2}, {24, 2}, {24, 2}, {23, 2}}},
        {"Electronic Journal", T::Short, 0, C::Bcd, {{25, 2}, {26, 2}, {26, 2}, {25, 2}}},
        {"Inventory Recipe", T::Short, 0, C::Bcd, {{27, 2}, {28, 2}, {28, 2}, {27, 2}}},
        {"Inventory Items", T::Short, 0, C::Bcd, {{29, 2}, {30, 2}, {30, 2}, {29, 2}}},
        {"Credit Tracking", T::Short, 0, C::Bcd, {{31, 2}, {32, 2}, {32, 2}, No}},
        {"Discount Catagory", T::Short, 0, C::Bcd, {{33, 2}, {34, 2}, {34, 2}, No}},
        {"Protected Pre-Poll", T::Logical, 0, C::Bit, {No, No, {36, 1}, No}},
        {"Logo", T::Logical, 0, C::Bit, {No, No, {37, 1}, {31, 1}}},
        {"Spec Itm Stock", T::Short, 0, C::Bcd, {No, No, {38, 2}, No}},
        {"KPG Desc", T::Short, 0, C::Bcd, {No, No, No, {32, 1}}},
        {"Two Byte Codes", T::Short, 0, C::Bcd, {No, No, No, {33, 2}}},
        {"KP Language", T::Short, 0, C::Byte, {No, No, No, {35, 1}}},
        {"RCPT Language", T::Short, 0, C::Byte, {No, No, No, {36, 1}}},
        {nullptr, T::Short, 0, C::Reserved, {{35, 1}, No, No, No}},
    }};
  return layout;
}
} // namespace

const EcrLayout& MemAllocFields::Layout() { return TheLayout(); }

int MemAllocFields::RecordSize(MemAllocLayout layout) { return TheLayout().RecordSize(int(layout)); }
