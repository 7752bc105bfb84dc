#pragma once
// The protocol module of CRS registers: the link of CrsFrame and CrsCmd run as protocol
// steps. GetPrgStep receives a program table (command 0xE0; also the logon, which receives
// the memory allocation), SndPrgStep sends one (0xF0), ReadRptStep reads a report (0xD0)
// with the consolidation (ConsldtStep), the status check (GetStatusStep), the clear of
// the report flag (ClearRptFlgStep), the save and the sub-reports of Time Period and Time
// Keeping. The CRS 3000 driver makes one for each session.
//
// Each step is called with the event in Msg, acts on (State, Msg) and either ends, calls
// itself in a new state, or hands over to another step. A sub-step (consolidation, status,
// clear) is entered by calling it while Step is still its caller, which it keeps; at its
// end it makes the caller Step again and calls it with GotStat or GotErr.
//
// Where the register's own rules would lose or double data, the module is stricter: a
// program block that repeats the previous one byte for byte (our acknowledgement was lost)
// is acknowledged again but stored once; sub-reports read their parent's registers, one
// without data hands back to its parent like a saved one, and the parent's registers go
// out again with its clear; a read that fails removes every poll it had saved.
#include "comm/crs/CrsCmd.h"
#include "comm/crs/TdmCommBase.h"

#include <memory>
#include <vector>

class TBlockFileReader;
class tEcrPrgCrs3000MemAlloc;

class TdmCommCrs : public TdmCommBase {
  Q_OBJECT
public:
  explicit TdmCommCrs(QObject* owner = nullptr);
  ~TdmCommCrs() override;

  TSclDataPacket* scpBlk;

  quint16 FirstBlk = 0;  // report read: number of the first block + 1
  quint16 LastBlk = 0;   // report read: number of the last block stored
  quint16 CurBlk = 0;    // number of the block just received
  qint16 StatPolls = 0;  // status check: answers that asked to wait
  quint8 CmdCode = 0;    // the command byte of the current step
  TStep StatusReturn = nullptr;
  TStep ClearReturn = nullptr;
  TStep CnsldtReturn = nullptr;
  tEcrRpt* ParentRpt = nullptr; // report read: the report whose sub-report is being read
  quint8 SubRptBit = 0;         // the next sub-report bit to look at
  qint32 BlkRetries = 0;
  qint32 CmdRetries = 0;
  qint32 CmdNaks = 0;
  qint32 SendBlocks = 0;
  QByteArray SendFrame;
  CrsCmd::Params CmdParams;
  std::unique_ptr<tEcrPrgCrs3000MemAlloc> MemAlloc;

  void ReceivePrg(tEcrPrg& prg) override;
  void SendPrg(tEcrPrg& prg) override;
  void PollRpt(tEcrRpt& rpt) override;
  // Receives the memory allocation; its end report is the result of the logon.
  void Logon() override;
  // The received allocation becomes the driver's table sizes.
  void LogonDone() override;
  void InitSession(tMachine* machine, TSclCustomComPort* comPort, int slot, QObject* ctrlWnd,
                   TProgressLines* progress) override;
  void StopComm() override;

protected:
  void AbortTransfer(const QString& message) override;

private:
  // The link.
  void SetUpBlockPacket();
  void scpBlkPacket(const char* data, int size);
  void scpBlkTimeout();
  // Builds the command frame with the module's parameters, enables the block and NAK
  // packets, sends, and starts the block timer: PollSntCmnd, or PollFailed when the send failed.
  void SendCmnd(quint8 command, const QByteArray& data);
  // The next block of the work file as SendFrame; false at its end.
  bool SendNextBlk();
  // The NAK after its pause (the step is left); returns only when the block has had its
  // retries, with the transfer failed.
  void SendNak();
  // Sends; a failing send makes the state PollFailed and gives false.
  bool Send(const QByteArray& bytes);
  bool SendCtrl(char code);
  // A block taken: the pause before the answer (the step is left), ACK, the block timer on,
  // then `acked`; then the end of the step. Nothing more when the ACK could not be sent.
  [[noreturn]] void AckBlock(int pauseMs, std::function<void()> acked);
  // The pause before a command (the step is left), the command, the end of the step.
  [[noreturn]] void CmndAfter(int pauseMs, quint8 command, const QByteArray& data);
  // Ends the current step (the transfer, or a sub-step back to its caller) when its State
  // is PollDone or PollFailed.
  void EndIfEnded();
  void Enable(std::initializer_list<TSclDataPacket*> packets);
  void Disable(std::initializer_list<TSclDataPacket*> packets);
  // The start of every step: the timer off, the trace mark.
  void EnterStep(const char* tracePrefix);
  void Unexpected();
  bool Ended() const { return State == PollDone || State == PollFailed; }
  // Every command of a transfer carries the machine's store number.
  void TakeStoreNumber();
  void PrepareTransfer(quint8 command);
  // A new command: its code, and the retry counts from 0.
  void StartCmnd(quint8 command);

  // Program receive.
  void GetPrgStep();
  bool GetPrgInit();
  bool GetPrgSntCmnd();
  void GetPrgNextBlk();
  void GetPrgGood();
  void EndGetPrg();
  void AckProgramBlock(bool store);

  // Program send.
  void SndPrgStep();
  bool SndPrgInit();
  bool SndPrgSntCmnd();
  bool SndPrgFrstBlk();
  bool SndPrgNxtBlk();
  void SndPrgAfterAck();
  void EndSndPrg();

  // Report read.
  void ReadRptStep();
  bool ReadRptInit();
  [[noreturn]] void ReadRptSendCmnd();
  bool ReadRptSntCmnd();
  void ReadRptNextBlk();
  bool ReadRptGood();
  bool ReadRptClearing();
  bool ReadRptClearingSub();
  bool ReturnToParent();
  void SaveRpt();
  // Saves the poll; a failure shows its message, removes the poll and fails the transfer.
  bool SaveRptOrFail();
  bool SetRangeFromRpt();
  void SubRptStep();
  void ClkPnchsStep();
  bool StartSubRpt(const char* className);
  void EndReadRpt();
  void ForgetSubRpts(bool failed);

  // Sub-steps.
  void ConsldtStep();
  void ClearRptFlgStep();
  void GetStatusStep();
  bool StatusSntCmnd();
  void ReactToStatus(quint8 statusByte);
  // A timed-out or NAKed command goes again from `from` ("T" or "N"); true when the step
  // called itself, otherwise the transfer has failed.
  bool RetryCmnd(PollState from);
  // The rows every command's answer shares: BadCrc, CommErr, TimeOut and GotNak (the two
  // last go again from `from`); true when the step called itself.
  bool CmdAnswerRetry(PollState from);
  bool AnsweredThenStatus();
  [[noreturn]] void ToStatusCheck();
  // A sub-step called by its caller (State still the caller's `entry`) keeps the caller in
  // returnTo, becomes the step and starts in PollInit with InitMsg.
  void EnterSubStep(PollState entry, TStep& returnTo, void (TdmCommCrs::*self)());
  void EndSubStep(TStep returnTo, PollState returnState);
  void EndConsldt() { EndSubStep(CnsldtReturn, PollCnsldt); }
  void EndClearRptFlg() { EndSubStep(ClearReturn, PollClearing); }
  void EndGetStatus() { EndSubStep(StatusReturn, PollGetStatus); }
  bool IsStep(TStep a, void (TdmCommCrs::*b)()) const { return a == static_cast<TStep>(b); }
  template <class F> void SetStep(F step) { Step = static_cast<TStep>(step); }

  void (TdmCommCrs::*endTransfer_)() = nullptr;       // the end processing of the transfer
  QByteArray lastBlock_;                               // program receive: the block stored last
  std::unique_ptr<TBlockFileReader> sendReader_;       // program send: the work file
  std::vector<std::unique_ptr<tEcrRpt>> subRpts_;      // report read: sub-reports read so far
  std::vector<tEcrRpt*> savedRpts_;                    // report read: reports saved so far
};
