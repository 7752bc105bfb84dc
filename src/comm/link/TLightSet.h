#pragma once
// The eight lamp slots of a lamp controller, in their order: CTS, DSR, DCD, RING, TXD, RXD,
// ERROR, BREAK. All empty at creation.
#include <array>

class TSclCustomStatusLight;

class TLightSet {
public:
  enum Slot { SlotCts, SlotDsr, SlotDcd, SlotRing, SlotTxd, SlotRxd, SlotError, SlotBreak, SlotCount };

  TLightSet() = default;
  TLightSet(const TLightSet&) = delete;
  TLightSet& operator=(const TLightSet&) = delete;
  ~TLightSet();

  TSclCustomStatusLight* Light(Slot slot) const { return lights_[slot]; }
  void SetLight(Slot slot, TSclCustomStatusLight* light);

  TSclCustomStatusLight* CTSLight() const { return lights_[SlotCts]; }
  TSclCustomStatusLight* DSRLight() const { return lights_[SlotDsr]; }
  TSclCustomStatusLight* DCDLight() const { return lights_[SlotDcd]; }
  TSclCustomStatusLight* RINGLight() const { return lights_[SlotRing]; }
  TSclCustomStatusLight* TXDLight() const { return lights_[SlotTxd]; }
  TSclCustomStatusLight* RXDLight() const { return lights_[SlotRxd]; }
  TSclCustomStatusLight* ERRORLight() const { return lights_[SlotError]; }
  TSclCustomStatusLight* BREAKLight() const { return lights_[SlotBreak]; }
  void SetCTSLight(TSclCustomStatusLight* l) { SetLight(SlotCts, l); }
  void SetDSRLight(TSclCustomStatusLight* l) { SetLight(SlotDsr, l); }
  void SetDCDLight(TSclCustomStatusLight* l) { SetLight(SlotDcd, l); }
  void SetRINGLight(TSclCustomStatusLight* l) { SetLight(SlotRing, l); }
  void SetTXDLight(TSclCustomStatusLight* l) { SetLight(SlotTxd, l); }
  void SetRXDLight(TSclCustomStatusLight* l) { SetLight(SlotRxd, l); }
  void SetERRORLight(TSclCustomStatusLight* l) { SetLight(SlotError, l); }
  void SetBREAKLight(TSclCustomStatusLight* l) { SetLight(SlotBreak, l); }

  // Sets the lamp of a slot, when it has one and the state differs.
  void Show(Slot slot, bool lit) const;
  bool IsLit(Slot slot) const;

private:
  friend class TSclCustomStatusLight;
  void Forget(TSclCustomStatusLight* light);

  std::array<TSclCustomStatusLight*, SlotCount> lights_{};
};
