#pragma once
// The engine's error codes. Callers test the last entry's code of an EDBEngineError;
// "missing" is only ever reported as TableMissing or FileMissing, so a table that exists
// but cannot be read is never mistaken for one that is simply not there yet.
#include <QString>

namespace EngineError {
// The codes other programs and the object files test for.
constexpr int KeyViolation = 9729;      // "Key violation."
constexpr int TableMissing = 9988;      // "Table does not exist."
constexpr int RecordLocked = 10241;     // "Record locked by another user."
constexpr int FileMissing = 11010;      // "File or directory does not exist."

// The engine's other codes.
constexpr int TableCorrupt = 8450;      // the file or the table's structure cannot be read
constexpr int RecordDeleted = 8708;     // the record was deleted under the cursor
constexpr int NoCurrentRecord = 8709;   // an edit or delete on an empty table
constexpr int ValueOutOfRange = 9730;   // a number too large for its field
constexpr int InvalidValue = 9731;      // a text that is not a value of the field's type
constexpr int IndexMissing = 9997;      // no index of that name
constexpr int FieldMissing = 9998;      // no field of that name
constexpr int InvalidParameter = 10050; // a call the engine cannot carry out as asked
constexpr int TableBusy = 10243;        // another connection holds the file's write lock
constexpr int NotEditing = 10253;       // a change outside edit or insert mode
constexpr int TableClosed = 10498;      // an operation on a closed table
constexpr int TransactionActive = 10500;
constexpr int NoTransaction = 10501;
constexpr int UnknownDatabase = 10024;  // neither an open database, an alias nor a folder
constexpr int OsError = 11009;          // the file could not be read or written
constexpr int TableExists = 13060;      // a create over an existing table
constexpr int SqlError = 12033;         // a local SQL statement the engine refused

// The engine's own text for a code ("Engine error N." for a code it does not know).
QString Text(int code);
} // namespace EngineError
