#pragma once
// The base of every object that turns register bytes into table rows and back: every
// program table (tEcrPrg) and every report (tEcrRpt). It carries the counters of a block
// transfer, the request parameters, the names of the local table and the codecs of the
// register's record data: packed BCD numbers, BCD dates and times, bit fields, single
// bits and fixed-width texts. Register families replace a codec by overriding it.
//
// Every codec works on one block (TEcrBlock) and checks that each byte it touches lies
// inside it: an offset, length or bit position out of range raises ERangeError, so no
// codec reads or writes outside the buffer.
//
// Objects are made in two steps, as stored data needs: a blank instance (the TBlank
// constructor, or TClass::NewBlank for a class named in a file) and then Create (owner),
// the set-up each class adds to its parent's. New<T> and CreateByClass do both.
#include "model/EcrBlock.h"
#include "platform/sys/Exception.h"
#include "platform/sys/TDateTime.h"
#include "platform/sys/TObject.h"

#include <QString>
#include <array>
#include <functional>
#include <memory>

class TBlockFileReader;
class TTable;

// The engine has one kind of table.
enum class TTableType { Standard };

// The form class name that stands for "no options" of a program or report.
inline constexpr char kNoOptionsForm[] = "TfmEcrRptOptNone";

// A class asked to make a program or report object that is none (or is abstract).
TB_EXCEPTION(EClassNotFnct, Exception)

class tEcrFnct : public TObject {
  TB_OBJECT(tEcrFnct)

public:
  static constexpr int kParamCount = 10;

  explicit tEcrFnct(TBlank) {}
  ~tEcrFnct() override = default;
  tEcrFnct(const tEcrFnct&) = delete;
  tEcrFnct& operator=(const tEcrFnct&) = delete;

  // The set-up of a new object: each override calls its parent's first. The owner of a
  // program or report is its register driver; it is not owned by this object.
  virtual void Create(TObject* owner);
  // A new object of the class with its set-up done; raises EClassNotFnct for a class
  // that is not a (concrete) tEcrFnct.
  static std::unique_ptr<tEcrFnct> CreateByClass(const TClass& cls, TObject* owner);
  template <class T> static std::unique_ptr<T> New(TObject* owner) {
    auto obj = std::make_unique<T>(TBlank{});
    obj->Create(owner);
    return obj;
  }

  TObject* Owner() const { return owner_; }
  void SetOwner(TObject* owner) { owner_ = owner; }
  const QString& Name() const { return name_; }
  void SetName(const QString& name) { name_ = name; }

  // Blocks handled so far in the current block-file transfer, and the length of the
  // block just read or built (0 ends a transfer loop).
  qint32 BlkCount = 0;
  qint32 BlkLen = 0;

  // The request parameters (index 0..9; ERangeError outside). The setters store only a
  // different value (64-bit values compared exactly, as the stored 80-bit floats hold them).
  qint32 GetIntParam(int index) const;
  void SetIntParam(int index, qint32 value);
  double GetCompParam(int index) const;
  qint64 GetCompParamValue(int index) const;
  void SetCompParam(int index, qint64 value);

  // The number of whole records in a block: a negative length counts as 9999; raises
  // ERecMismatch "Block Size Mismatch, got: L  expecting: S" unless the length holds a
  // whole number of records, at most maxRecords of them.
  virtual int CountRecords(int length, int recordSize, int maxRecords);
  // BCD dates of the three orders: 0 YYMMDD, 1 MMDDYY, 2 DDMMYY; two-digit years below
  // 90 are 20xx. An all-zero field is the zero date; an impossible date raises EConvertError.
  virtual TDateTime DecodeBcdDate(const TEcrBlock& buffer, int offset, int length, int order);
  virtual void EncodeBcdDate(TEcrBlock& buffer, int offset, int length, int order, TDateTime date);
  // Packed BCD, two digits a byte, high nibble first; signed: the last byte's low nibble
  // is the sign (0xD negative). A two-byte field FF FF is 65535 either way.
  virtual qint64 DecodeBcd(const TEcrBlock& buffer, int offset, int length, bool isSigned);
  // Fills the field from its last byte; an unsigned field takes the absolute value, a
  // signed one drops the 2n-th digit of a 2n-digit value (as the register keeps it). A
  // value with more than 2n digits raises ERangeError rather than send other digits.
  virtual void EncodeBcd(TEcrBlock& buffer, int offset, int length, bool isSigned, qint64 value);
  // Bit fields of one byte, bit 0 the least significant.
  virtual int GetBitField(const TEcrBlock& buffer, int offset, int firstBit, int bitCount);
  virtual void SetBitField(TEcrBlock& buffer, int offset, int firstBit, int bitCount, int value);
  virtual bool GetBit(const TEcrBlock& buffer, int offset, int bit);
  virtual void SetBit(TEcrBlock& buffer, int offset, int bit, bool flag);
  // Fixed-width texts: up to the first zero byte, 0xFD standing for '~'.
  virtual QString DecodeText(const TEcrBlock& buffer, int offset, int length);
  virtual void EncodeText(TEcrBlock& buffer, int offset, int length, const QString& text);
  // BCD times HHMM (seconds dropped); an impossible time raises EConvertError.
  virtual TDateTime DecodeBcdTime(const TEcrBlock& buffer, int offset, int length);
  virtual void EncodeBcdTime(TEcrBlock& buffer, int offset, int length, TDateTime time);

  // The database (alias) of the local table, the size of one register record, the table
  // type and the table name (the class name unless a class names another).
  virtual QString GetDataBaseName() const;
  virtual int GetPrgRecSize() const;
  virtual TTableType GetTableType() const;
  virtual QString GetTableName() const;

  // Decodes one register record into the table's current row, advancing the position by
  // the bytes read. Nothing in the base; every program and report class overrides it.
  virtual void DecodeRecord(TTable& table, const TEcrBlock& buffer, int recordIndex, int& position);

protected:
  // Raises ERangeError unless the bytes offset .. offset + length - 1 lie in the block.
  static void CheckSpan(int offset, int length);
  // Reads the block file to its end: BlkCount numbers the blocks from 1, BlkLen is the
  // length of the block at hand (0 once the file ends), and each block goes to visit.
  // Events are handled before each block and the blocks are paced, so windows stay alive.
  void ReadBlocks(TBlockFileReader& reader, const std::function<void(const TEcrBlock&)>& visit);

private:
  TObject* owner_ = nullptr;
  QString name_;
  std::array<qint32, kParamCount> intParams_{};
  std::array<qint64, kParamCount> compParams_{};
};
