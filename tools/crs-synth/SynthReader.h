#pragma once
// Reads an answer back with the synthesiser's own record layouts: from the blocks of a work
// file to the expectations they stand for. It checks the writer, and lets a work file
// written elsewhere be compared with the synthesiser's view of it.
#include <QByteArray>
#include <QList>
#include <QMap>
#include <QStringList>

namespace SynthReader {
// Throws SynthFileError for a block that is not a stored frame, a header that is too short,
// or data that are not whole records of the report.
QStringList Expectations(const QString& report, const QList<QByteArray>& blocks, const QMap<int, QString>& names = {},
                         const QMap<int, QString>& jobNames = {}, const QMap<int, qint64>& codes = {});
} // namespace SynthReader
