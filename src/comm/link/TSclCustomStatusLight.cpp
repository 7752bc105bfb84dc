#include "comm/link/TSclCustomStatusLight.h"

#include "comm/link/TLightSet.h"

TSclCustomStatusLight::~TSclCustomStatusLight() {
  for (TLightSet* set : std::vector<TLightSet*>(sets_)) set->Forget(this);
}
