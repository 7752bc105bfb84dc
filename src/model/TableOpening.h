#pragma once
// Opens a local table, making it first when it is not there yet.
#include <functional>

class TTable;

// Opens the table (its database and name set); when the engine says the table does not
// exist, define sets up its structure and the table is created and opened. A table that
// exists but cannot be opened holds stored data: that error passes on and nothing is
// made afresh. True when the table was created.
bool OpenOrCreateTable(TTable& table, const std::function<void(TTable&)>& define);
