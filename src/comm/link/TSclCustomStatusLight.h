#pragma once
// One lamp as the lamp controller sees it: lit or not. The lamp widget of the window library
// implements it; a lamp that goes away leaves empty every light-set slot that held it.
#include <vector>

class TLightSet;

class TSclCustomStatusLight {
public:
  TSclCustomStatusLight() = default;
  TSclCustomStatusLight(const TSclCustomStatusLight&) = delete;
  TSclCustomStatusLight& operator=(const TSclCustomStatusLight&) = delete;
  virtual ~TSclCustomStatusLight();

  virtual bool Lit() const = 0;
  virtual void SetLit(bool lit) = 0;

private:
  friend class TLightSet;
  std::vector<TLightSet*> sets_;
};
