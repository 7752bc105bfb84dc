#pragma once
// The request that the program end: made once a failure leaves it unable to go on. The
// request is remembered (waits that keep events flowing end early once it is made) and
// handed to the termination hook, which by default asks the application's event loop to
// exit when it next runs (so a request made before the loop starts is not lost).
#include <functional>

void RequestTermination();
bool TerminationRequested();
// Installs a hook in place of the default (an empty function restores it); for tests and
// for a program without an event loop. ResetTermination clears the request.
void SetTerminationHook(std::function<void()> hook);
void ResetTermination();
