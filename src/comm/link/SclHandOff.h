#pragma once
// Hands a call from a worker thread to the thread of a Qt object (the GUI thread) and waits
// until it has run. The dispatcher's threads deliver events this way, so no byte moves while
// a handler runs. A bounded hand-off that the target thread has not started within the bound
// is withdrawn and never runs; one that has started is always waited for. The waiting thread
// holds no lock, and the GUI thread keeps processing events whenever it waits for these
// threads, so a hand-off cannot deadlock against it.
#include <QObject>
#include <functional>
#include <thread>

// Runs call on target's thread (at once when that is the calling thread); boundMs < 0 waits
// without a limit. True when the call ran. Exceptions from call go to SclShowException.
bool SclHandOff(QObject* target, const std::function<void()>& call, int boundMs);
// True while the calling thread runs a call that the given thread handed to it (and so that
// thread waits for the caller).
bool SclInHandOffFrom(std::thread::id waiter);
