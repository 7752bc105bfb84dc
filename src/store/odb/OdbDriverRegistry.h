#pragma once
// The process-wide list of object-database drivers by name (case ignored). Drivers
// register at start-up; the system makes its database with a driver class directly.
#include <QString>

class TClass;

// EOdbDriverAlreadyRegistered (text: the name) when the name is taken.
void RegisterOdbDriver(const TClass& driverClass, const QString& name);
