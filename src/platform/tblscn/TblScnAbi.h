#ifndef TILLBRIDGE_TBLSCN_ABI_H
#define TILLBRIDGE_TBLSCN_ABI_H
/*
 * The interface of the table-definition library "libtblscn.so". The program loads it at
 * run time and declares one table's structure to it; the library checks the table in its
 * folder's database against the declaration, creates it when it is missing, and keeps a
 * message for the caller (empty when the table is usable).
 *
 * Entries (unmangled C names):
 *   void DEF(const TblScnValue* values, int32_t high);   values[0..high]
 *   void GET(char* buffer, int32_t size);                the last check's message
 *
 * A check is this sequence of DEF calls:
 *   1. the handshake   [INT 4000, TEXT the caller's name, POINTER the engine session]
 *   2. the caller's arguments  [BOOL false, TEXT the folder of the table]
 *   3. the declaration [PROC the describer with its context, TEXT the table's file name];
 *      the library calls the describer back, which calls DEF once per record:
 *        table  [INT 1, TEXT file name, TEXT "", TEXT language, INT field count,
 *                INT index count, INT 0, INT 0, INT 0]
 *        field  [INT 2, TEXT name, INT type code, INT field flags, INT size, INT 0]
 *        index  [INT 3, TEXT name ("" = primary), TEXT "", TEXT "", TEXT "",
 *                INT key field number (from 1) ..., INT -1, INT index id,
 *                INT key field count, INT 0, INT 2048, INT flags]
 *   4. the closing call [INT 0]: the library checks or creates the table.
 * Then GET fills the buffer with at most size - 1 bytes of UTF-8 text and a closing NUL.
 *
 * A file name may carry a second name after ";" (a former name; not used) and ends in
 * ".db" or not: "AllPolls.DB" is the table "AllPolls". A field name may carry a display
 * label after ";" ("CommType;Comm Type"), which is not part of the table.
 * Type codes: 0x101 alpha (size = characters), 0x102 number, 0x103 money, 0x104 date,
 * 0x105 short, 0x106 memo, 0x107 binary blob (0x108-0x10A as binary), 0x10B long,
 * 0x10C time, 0x10D timestamp, 0x10E logical, 0x10F autoincrement, 0x110 bytes
 * (size = bytes). Sizes of the other types are not part of the table (1 by custom).
 * Field flags: 0, or 1 for an alpha field that keeps every byte (zeros included) where
 * other alpha texts end at their first zero; a library that knows no flags reads 0.
 * Index flags: 2 primary, 4 unique, 8 descending, 16 case-insensitive (6: primary unique).
 *
 * Texts are UTF-8 and need to live only for the duration of the DEF call. The library
 * is not reentrant across threads: the program uses it from one thread.
 */
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#define TBLSCN_HANDSHAKE 4000
#define TBLSCN_MESSAGE_SIZE 256

enum TblScnTag { TBLSCN_INT = 1, TBLSCN_BOOL = 2, TBLSCN_TEXT = 3, TBLSCN_POINTER = 4, TBLSCN_PROC = 5 };

enum TblScnFieldFlags { TBLSCN_KEEPS_EVERY_BYTE = 1 };

enum TblScnIndexFlags { TBLSCN_PRIMARY = 2, TBLSCN_UNIQUE = 4, TBLSCN_DESCENDING = 8, TBLSCN_CASE_INSENSITIVE = 16 };

typedef void (*TblScnProc)(void* context);

typedef struct TblScnValue {
  int32_t tag;      /* one of TblScnTag */
  int64_t integer;  /* TBLSCN_INT, TBLSCN_BOOL (0 or 1) */
  const char* text; /* TBLSCN_TEXT */
  void* pointer;    /* TBLSCN_POINTER; the context handed to a TBLSCN_PROC */
  TblScnProc proc;  /* TBLSCN_PROC */
} TblScnValue;

typedef void (*TblScnDefEntry)(const TblScnValue* values, int32_t high);
typedef void (*TblScnGetEntry)(char* buffer, int32_t size);

#ifdef __cplusplus
}
#endif

#endif
