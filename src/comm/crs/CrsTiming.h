#pragma once
// Every interval and retry count of the CRS protocol, read through the timing profile by
// name ("crs.<name>"), with the register's own values as defaults. Tests scale them down.
namespace CrsTiming {
enum Interval {
  PrgReceiveCmd,   // program receive: waiting for the first block (4000 ms)
  PrgReceiveBlock, // program receive: waiting for the next block (15000 ms)
  PrgSendCmd,      // program send: waiting for the command's DLE ACK (30000 ms)
  PrgSendBlock,    // program send: waiting for a block's DLE ACK (10000 ms)
  ReadRpt,         // report read: waiting for a block (10000 ms)
  Cnsldt,          // waiting for the consolidation's DLE EOT (1000 ms)
  ClearFlag,       // waiting for the clear's DLE ACK or EOT (10000 ms)
  Status,          // waiting for the status answer (10000 ms)
  StatusWait,      // the n-th wait of a status check lasts n times this (500 ms)
  PrgAckWait,      // before acknowledging or sending a program block (50 ms)
  RptAckWait,      // before acknowledging a report block (200 ms)
  EotWait,         // before the DLE EOT that ends a program send (100 ms)
  BeforeStatus,    // before a status check starts (200 ms)
  StatusCmdWait,   // before each status command (50 ms)
  BeforeCmd,       // before a read or clear command (200 ms)
  NakWait,         // before a DLE NAK (36 ticks, 1980 ms)
  BadCrcWait,      // after a bad frame answering a command, before the NAK wait (1980 ms)
  HandlerJitter,   // an event handler first pauses up to this long (9 ms)
};

enum Count {
  CmdRetries,         // re-sends of a command (4: five sends in all)
  BlkRetries,         // NAKs or repeated acknowledgements for one block (4)
  StatusWaits,        // waits a status check allows; the answer after the last fails it (64)
  StatusSettle,       // waits after which a status 0x0 ends a consolidation or clear (6)
  CmdNaks,            // NAKs a command may get and still go again; the next one fails it (10)
  BlockPacketTicks,   // the block packet's collect time-out (3000 ticks)
  ControlPacketTicks, // the control packets' time-out (100 ticks; never armed)
};

constexpr int IntervalCount = HandlerJitter + 1;

int Ms(Interval interval);
int Times(Count count);
// The profile's name of an interval and the register's own value.
const char* Name(Interval interval);
int DefaultMs(Interval interval);
} // namespace CrsTiming
