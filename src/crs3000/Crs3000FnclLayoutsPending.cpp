// TEMPORARY: stand-ins for the memo, system balancing and table service sections until
// their layouts are built; each only covers its section's bytes, so that the sizes and
// offsets of the combined record are right. Deleted when those layouts land.
#include "crs3000/Crs3000FnclLayouts.h"

namespace {
EcrLayout Covering(std::vector<int> sizes) {
  std::vector<EcrPlace> places;
  for (int size : sizes) places.push_back({0, size});
  return EcrLayout{sizes, {{nullptr, TFieldType::Long, 0, EcrCoding::Reserved, places}}};
}
} // namespace

const EcrLayout& Crs3000FnclLayouts::Memo() {
  static const EcrLayout layout = Covering({168, 168, 168});
  return layout;
}

const EcrLayout& Crs3000FnclLayouts::SystemBalancing() {
  static const EcrLayout layout = Covering({125, 125, 125});
  return layout;
}

const EcrLayout& Crs3000FnclLayouts::TableService() {
  static const EcrLayout layout = Covering({159, 153, 168});
  return layout;
}
