#pragma once
// Errors of report definitions and their lookup.
#include "platform/sys/Exception.h"

// A definition that cannot be generated: a second title band, a child of a band of another
// report, a group footer without its header.
TB_EXCEPTION(ERptDefinition, Exception)
// An element or band asked for by a name the report does not have.
TB_EXCEPTION(ERptNameNotFound, Exception)
// No report definition is registered for a report form class.
TB_EXCEPTION(ERptNotRegistered, Exception)
