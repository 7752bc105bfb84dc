#pragma once
// What the polling sessions, the protocol modules, the communication window and the
// communication log share: the state of a session, the messages a session receives, and
// the texts of those messages and of the kinds of session. The values are stored with
// jobs and carried in session messages; they never change.
#include <QString>
#include <QtGlobal>

enum tMpState : quint8 {
  MpsInitial,   // not used by the session
  MpsLogon,     // created; the line is not yet asked for
  MpsLoggingOn, // the line is being opened and the register logged on
  MpsLoggedOn,  // not used by the session
  MpsPolling,   // the job's action is performed
  MpsDone,      // the session is ending
  MpsClosed,    // the session has ended
  MpsAbort,     // a session found in it goes to MpsClosed
};

enum tMpMessage : quint8 {
  MpmInitial,
  MpmFailed,
  MpmPollStart,
  MpmSuccessfull,
  MpmDone,
  MpmCancelled,
  MpmUserCancel,
  MpmUserCancelAll,
  MpmBusyTimeOut,
  MpmTapiBusy,
  MpmTapiClosed,
};

// Every session of this system is of this kind.
inline constexpr int kSessionCommType = 9;

// The text of a message for the log's "Result" column; only the low 7 bits count.
QString MsgResultText(int message);
// The text of a kind of session for the log's "CommType" column; only the low 7 bits count.
QString CommTypeText(int commType);
