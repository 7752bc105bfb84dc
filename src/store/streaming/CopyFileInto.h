#pragma once
// A plain copy of one file.
#include <QString>

// Copies source to destination, replacing an existing file. A destination that names a
// folder receives a file of the source's name. Raises EFOpenError "Cannot open file %s"
// (source) or EFCreateError "Cannot create file %s" (the full destination path; also
// when it is the source itself), and EReadError or EWriteError when the copy breaks
// off, in which case the incomplete destination is removed.
void CopyFileInto(const QString& source, const QString& destination);
