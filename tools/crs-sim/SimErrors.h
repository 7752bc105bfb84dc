#pragma once
// The simulator's own errors: a bad fixture, a bad fault description, a line that cannot
// be opened. Each carries the text the program prints.
#include "platform/sys/Exception.h"

TB_EXCEPTION(SimError, Exception)
TB_EXCEPTION(SimFixtureError, SimError)
TB_EXCEPTION(SimFaultSyntaxError, SimError)
TB_EXCEPTION(SimLineError, SimError)
