#include "comm/link/TLightSet.h"

#include "comm/link/TSclCustomStatusLight.h"

#include <algorithm>

TLightSet::~TLightSet() {
  for (int s = 0; s < SlotCount; ++s) SetLight(static_cast<Slot>(s), nullptr);
}

void TLightSet::SetLight(Slot slot, TSclCustomStatusLight* light) {
  TSclCustomStatusLight* old = lights_[slot];
  lights_[slot] = light;
  if (old && std::find(lights_.begin(), lights_.end(), old) == lights_.end()) std::erase(old->sets_, this);
  if (light && std::find(light->sets_.begin(), light->sets_.end(), this) == light->sets_.end())
    light->sets_.push_back(this);
}

void TLightSet::Forget(TSclCustomStatusLight* light) {
  for (auto& slot : lights_)
    if (slot == light) slot = nullptr;
  std::erase(light->sets_, this);
}

void TLightSet::Show(Slot slot, bool lit) const {
  if (TSclCustomStatusLight* light = lights_[slot]; light && light->Lit() != lit) light->SetLit(lit);
}

bool TLightSet::IsLit(Slot slot) const { return lights_[slot] && lights_[slot]->Lit(); }
