#include "store/settings/TUtComponent.h"

TUtComponent::TUtComponent(QObject* owner) : QObject(owner) {}

QString TUtComponent::Version() const { return QStringLiteral("2.03"); }

// The property is published for reading; a stored or assigned value is ignored.
void TUtComponent::SetVersion(const QString&) {}
