#include "comm/link/TSclDataPacket.h"

#include "comm/link/TSclCustomComPort.h"
#include "comm/link/TSclDataPacketManager.h"
#include "comm/link/TSclDataPacketManagerList.h"

TSclDataPacket::TSclDataPacket(QObject* owner) : TSclBaseComponent(owner) {}

TSclDataPacket::~TSclDataPacket() { Leave(); }

void TSclDataPacket::Leave() {
  if (manager_) manager_->Leave(this);
  manager_.reset();
}

void TSclDataPacket::SetComPort(TSclCustomComPort* port) {
  if (port == port_) return;
  Leave();
  port_ = port;
  if (!port) return;
  manager_ = TSclDataPacketManagerList::Obtain(port);
  manager_->Join(this);
  connect(port, &QObject::destroyed, this, [this] { manager_.reset(); });
}

void TSclDataPacket::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  if (manager_ && !IsLoading()) manager_->SetEnabled(this, enabled);
  else enabled_ = enabled;
}

void TSclDataPacket::Loaded() {
  TSclBaseComponent::Loaded();
  if (manager_ && enabled_) manager_->ArmLoaded(this);
}

TPacketMode TSclDataPacket::Mode() const { return manager_ ? manager_->ModeOf(this) : pmIdle; }
int TSclDataPacket::HeldCount() const { return manager_ ? manager_->HeldCount() : 0; }
void TSclDataPacket::DropHeld() {
  if (manager_) manager_->DropHeld();
}

QByteArray TSclDataPacket::Label() const { return "Packet:" + objectName().toLatin1(); }
