#pragma once
// The state of a protocol step and the event it is called with. Their names appear in the
// trace marks ("GetPrg-PollSntCmnd-Msg_GotBlock").
#include <QString>
#include <QtGlobal>

enum PollState : quint8 {
  PollInit,       // a step starts: its command is (re)sent
  PollSntSelct,   // not used by this system
  PollSntIdEnq,   // not used by this system
  PollSendCmnd,   // report read: the read command is (re)sent
  PollSntCmnd,    // a command was sent; waiting for its answer
  PollNextBlk,    // receiving: waiting for the next block
  PollSndFrstBlk, // sending: the first block goes out
  PollSndNxtBlk,  // sending: a block went out; waiting for its DLE ACK
  PollGetStatus,  // the status check runs, or has just returned
  PollClearing,   // report read: clear, save and sub-reports
  PollCnsldt,     // report read: the consolidation runs, or has just returned
  PollGood,       // the transfer is complete and is to be processed
  PollDone,       // the step ended well
  PollCanceled,   // the step was given up
  PollFailed,     // the step failed
};

enum PollMsg : quint8 {
  InitMsg,  // the start of a step or sub-step
  GotBlock, // a data frame with a good CRC
  GotStat,  // a status, clear or consolidate sub-step ended well
  GotErr,   // an error block, or a sub-step failed
  GotEnq,   // not produced by this system
  GotEot,   // DLE EOT received
  BadCrc,   // a data frame with a wrong CRC
  CommErr,  // a line error reported by the communication window
  GotAck,   // DLE ACK received
  GotAck0,  // not produced by this system
  GotAck1,  // not produced by this system
  GotNak,   // DLE NAK received
  TimeOut,  // the block timer expired
  SentNak,  // the module itself sent DLE NAK or repeated its DLE ACK
  DoneMsg,  // report read: a sub-report or the first save has finished
};

QString PollStateName(PollState state);
QString PollMsgName(PollMsg msg);
