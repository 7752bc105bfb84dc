#pragma once
// One run of tillbridge-query: sends the request, waits for the reply, prints the answer
// when asked to; the exit status.
#include "QueryClientOptions.h"

#include <cstdio>

int RunQueryClient(const QueryClientOptions& options, FILE* out, FILE* err);
