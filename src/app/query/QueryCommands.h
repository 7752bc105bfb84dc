#pragma once
// The commands of the query server, by their exact (case-sensitive) names, and the answer
// lines each gives. Nothing here changes stored data or talks to a register.
#include "app/query/QueryRequest.h"

#include <QStringList>

namespace QueryCommands {
// The answer to the request. EQueryRequest for an unknown command, a machine that is not
// stored, a parameter that is no number or an unknown kind; errors of the stored data
// reach the caller as they are.
QStringList Answer(const QueryRequest& request);
// The names, in the order they are looked up.
QStringList Names();
} // namespace QueryCommands
