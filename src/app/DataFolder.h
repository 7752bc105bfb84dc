#pragma once
// The data folder of the data alias, as the engine reports it once the alias's database
// is open (the default folder is made on first use), with a trailing separator so that
// file names are appended to it directly. An engine error goes to the caller.
#include <QString>

QString OpenDataFolder();
