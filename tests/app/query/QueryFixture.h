#pragma once
// A data folder seeded for the query server: machines with CRS 3000 drivers, a PLU
// program of a few rows, and financial polls saved by the register's own decoders.
#include "model/ModelFixture.h"

#include <QStringList>
#include <QtMessageHandler>
#include <ostream>

inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

class QueryFixture : public ModelFixture {
protected:
  QueryFixture();
  ~QueryFixture() override;

  // Stores a machine of a CRS 3000 "3.02" register.
  static void AddCrsMachine(const QString& id);
  // Saves a financial poll of the machine, its first sales total -12.34, its first receipts
  // total 123.45 and the rest zero; the
  // head poll's id.
  qint32 SaveFinancialPoll(const QString& machineId);
  // Adds PLU rows (code, descriptor, price) to the machine's PLU program.
  static void AddPlus(const QString& machineId, const QList<std::tuple<int, QString, double>>& rows);

  QString Path(const QString& name) const { return dir.filePath(name); }
  // The file's lines, each of which must end in CR LF.
  static QStringList Lines(const QString& path);

  // Warnings logged while the fixture lives.
  static QStringList& Logged();

private:
  QtMessageHandler previousHandler_;
};

// Lines joined for readable failures.
inline std::string Joined(const QStringList& lines) { return lines.join(QLatin1String(" | ")).toStdString(); }
