#pragma once
// The serial library's error codes, negative as its operations return and raise them. The
// class and message of each stand in SclErrorTable.cpp.
namespace SclErr {
enum Code : int {
  // General
  BadHandle = -1001,
  BadArgument = -1002,
  GotQuitMsg = -1003,
  BufferTooBig = -1004,
  PortNotAssigned = -1005,
  Internal = -1006,
  ModemNotAssigned = -1007,
  PhonebookNotAssigned = -1008,
  CannotUseWithWinSock = -1009,
  // Opening a port
  BadId = -2001,
  BaudRate = -2002,
  ByteSize = -2003,
  Default = -2004,
  Hardware = -2005,
  Memory = -2006,
  CommNotOpen = -2007,
  AlreadyOpen = -2008,
  NoHandles = -2009,
  NoTimers = -2010,
  NoPortSelected = -2011,
  NotOpenedByTapi = -2012,
  // Serial I/O
  NullApi = -3001,
  NotSupported = -3002,
  RegisterHandlerFailed = -3003,
  PutBlockFail = -3004,
  GetBlockFail = -3005,
  OutputBufferTooSmall = -3006,
  BufferIsEmpty = -3007,
  TracingNotEnabled = -3008,
  LoggingNotEnabled = -3009,
  BaseAddressNotSet = -3010,
  // Triggers
  NoTriggerSlots = -5001,
  TriggerTooLong = -5002,
  BadTriggerHandle = -5003,
  // Data packet properties
  StartStringEmpty = -5501,
  PacketShorterThanStart = -5502,
  CharCountWithoutEnd = -5503,
  EndStringEmpty = -5504,
  PacketSizeZero = -5505,
};
} // namespace SclErr
