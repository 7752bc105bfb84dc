#pragma once
// The languages of the memory allocation's "KP Language" and "RCPT Language": one byte in
// the register's record (0 English, 1 Chinese, 2 Korean), shown and typed as a name.
#include <QString>
#include <QVariant>

namespace MemAllocLanguage {
// "English", "Chinese" or "Korean"; "English" for a null field or any other value.
QString Text(const QVariant& value);
// The value of a typed name: trimmed and upper-cased, "ENGLISH" in it gives 0, else
// "CHINESE" 1, else "KOREAN" 2, else 0.
int Value(const QString& typed);
} // namespace MemAllocLanguage
