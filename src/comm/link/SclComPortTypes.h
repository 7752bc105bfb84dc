#pragma once
// The value types of the com port's properties.
#include <QFlags>

enum TDeviceLayer { dlWin16, dlFossil, dlWin32, dlWinsock };
enum TParity { pNone, pOdd, pEven, pMark, pSpace };
enum THWFlowOption { hwfUseDTR = 1, hwfUseRTS = 2, hwfRequireDSR = 4, hwfRequireCTS = 8 };
Q_DECLARE_FLAGS(THWFlowOptions, THWFlowOption)
Q_DECLARE_OPERATORS_FOR_FLAGS(THWFlowOptions)
enum TSWFlowOptions { swfNone, swfReceive, swfTransmit, swfBoth };
// tlDump and tlAppend write the ring to its file (rewriting or appending) and end in tlOff.
enum TTraceLogState { tlOff, tlOn, tlDump, tlAppend, tlClear, tlPause };
// tmOn: the port works on the device a modem's call handed over (TapiHandle).
enum TTapiMode { tmNone, tmAuto, tmOn, tmOff };
