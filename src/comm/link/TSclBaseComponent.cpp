#include "comm/link/TSclBaseComponent.h"

TSclBaseComponent::TSclBaseComponent(QObject* owner) : QObject(owner) {}

void TSclBaseComponent::Loaded() { loading_ = false; }
