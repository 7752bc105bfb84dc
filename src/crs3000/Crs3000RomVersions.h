#pragma once
// The eighteen ROM versions of the CRS 3000 that a machine can be set to: the driver
// class of each (its name is stored with every machine), the ROM text that the model
// chooser shows and that decoders and forms compare, and the column of Crs3000RomLists
// that holds its programs and reports. In the order the chooser lists them.
#include <QList>
#include <QString>

struct Crs3000RomVersion {
  QString ClassName;
  QString RomName;
  int Column;
};

namespace Crs3000RomVersions {
constexpr int Count = 18;
const QList<Crs3000RomVersion>& All();
// ERangeError outside 0..Count-1.
const Crs3000RomVersion& At(int index);
} // namespace Crs3000RomVersions
