#pragma once
// What can be done with a program table: send it to the register, receive it, edit it
// locally, and whether it is left out when all programs are sent. Stored as bits 0..3.
#include <QtGlobal>

#include <initializer_list>

enum class tEcrPrgCaps { EcrPrgSend = 0, EcrPrgReceive = 1, EcrPrgMaint = 2, EcrPrgNotSendAll = 3 };

class tEcrPrgCapSet {
public:
  constexpr tEcrPrgCapSet() = default;
  constexpr tEcrPrgCapSet(std::initializer_list<tEcrPrgCaps> caps) {
    for (tEcrPrgCaps cap : caps) bits_ |= Bit(cap);
  }
  constexpr bool Has(tEcrPrgCaps cap) const { return (bits_ & Bit(cap)) != 0; }
  constexpr void Include(tEcrPrgCaps cap) { bits_ |= Bit(cap); }
  constexpr void Exclude(tEcrPrgCaps cap) { bits_ &= quint8(~Bit(cap)); }
  constexpr quint8 Bits() const { return bits_; }
  friend constexpr bool operator==(tEcrPrgCapSet a, tEcrPrgCapSet b) { return a.bits_ == b.bits_; }

private:
  static constexpr quint8 Bit(tEcrPrgCaps cap) { return quint8(1u << int(cap)); }
  quint8 bits_ = 0;
};
