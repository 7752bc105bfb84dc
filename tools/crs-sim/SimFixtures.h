#pragma once
// What the register holds before anything is sent to it: program tables and report answers
// by code, read from a fixture folder laid out as programs/<code>.ecr and reports/<code>.ecr
// (decimal codes, block files).
#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>

struct SimFixtures {
  QMap<int, QList<QByteArray>> programs; // block bodies
  QMap<int, QList<QByteArray>> reports;

  // An empty folder name gives no fixtures; throws SimFixtureError for a missing folder or
  // a bad file.
  static SimFixtures Load(const QString& folder);
  // Refuses what the register could not send: no blocks of 0 or more than 4096 bytes, and
  // at most 256 blocks, since block numbers count down to 0 in one byte.
  static void Check(const QString& what, const QList<QByteArray>& blocks);
};
