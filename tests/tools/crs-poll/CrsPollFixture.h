#pragma once
// The crs-poll program run as a process against the simulated register, which serves the
// other end of a pseudo-terminal inside the test. The settings and data of the program are
// the test's temporary ones (the environment carries them over).
#include "crs-sim/CrsSim.h"

#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <ostream>

inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

struct PollResult {
  int exitCode = -1; // -1: the program did not end in time
  QStringList out;   // standard output by lines, each leading time of day as "T"
  QString err;
};

// Runs crs-poll with these arguments alone.
PollResult RunCrsPoll(const QStringList& arguments);

class CrsPollCli : public ::testing::Test {
protected:
  // Every interval is scaled down this much unless a test says otherwise. The register
  // answers at once, but a loaded machine (sanitizers, parallel tests) may take a while to
  // run the program: the shortest time-out, the consolidation's, stays at 250 ms.
  static constexpr double kScale = 0.25;

  CrsPollCli();
  ~CrsPollCli() override;

  // Runs crs-poll with the arguments on the register's line, with the work folder and the
  // scaled intervals.
  PollResult Run(QStringList arguments, double scale = kScale);
  static PollResult RunBare(const QStringList& arguments) { return RunCrsPoll(arguments); }

  // Every frame on the line, in order: "> " from crs-poll, "< " from the register, then
  // ACK, NAK, EOT, "CMD <command and data> <store> <first><last>", "BLK <number>",
  // "STAT <status byte>", "ERR <code>"; "BAD " before a data frame with a wrong CRC.
  QStringList Wire() const;
  // The frames crs-poll sent.
  QStringList Sent() const;
  // The work file of the run, and the blocks stored in it (each as stored: DLE STX .. CRC).
  QString WorkFile() const;
  QList<QByteArray> WorkFileBlocks() const;

  CrsSim sim;
  QString line;
  QTemporaryDir dir;
  QString workDir;
};

// A command frame's token: "CMD <command> <data> <store> <first><last>".
QString Cmd(const char* commandAndData, const char* range = "0124", const char* store = "0001");
// A block body as the register keeps it: block number, record count, records.
QByteArray Block(int number, const QByteArray& records, int count = 1);
// Writes a block file of these blocks.
void WriteBlockFile(const QString& path, const QList<QByteArray>& blocks);
