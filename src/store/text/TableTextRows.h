#pragma once
// The rows of an engine table in the order of its primary index (entry order without
// one), read in one statement, with the field texts and blob bytes the text export
// writes. Blob fields are the memo, blob and bytes fields: a memo's bytes are its
// Windows-1252 text.
#include "platform/engine/TableDef.h"

#include <QByteArray>
#include <QString>
#include <QVariantList>
#include <functional>
#include <optional>

class TDatabase;

namespace TableTextRows {
bool IsBlob(const TFieldDef& field);
QString Text(const TFieldDef& field, const QVariant& stored);
QByteArray Bytes(const TFieldDef& field, const QVariant& stored);

using RowVisitor = std::function<void(const TTableDef& def, const QVariantList& values)>;
// Every row, or those whose "Poll Id" is pollId. A missing table raises the engine's
// TableMissing.
void ForEachRow(TDatabase& database, const QString& tableName, std::optional<qint32> pollId, const RowVisitor& visit);
} // namespace TableTextRows
