#pragma once
// Whether a job may be retried once more. A job's count of retries used is -1 before the
// first; a setting of n (InitRetry, DefRetry) allows n - 1 retries, so a setting of 1 allows
// none: the settings' own examples ("InitRetry 1 and DefRetry 1 fail a job at once") and the
// session's retry lines hold only with this reading. The session and the group operations
// of the queue both ask here, so a machine's other jobs are counted as its running job is.
#include <QtGlobal>

inline bool RetryLeft(qint32 used, qint32 setting) { return used + 1 < setting - 1; }
