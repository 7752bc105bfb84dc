#pragma once
// A driver's entry for one open table: the handle that object files know it by (from 1)
// and the engine table behind it, which the entry owns (held as its own type: the
// engine's table has no virtual destructor). Ordered by handle
// ("CompareObjectFileData").
#include "platform/sys/TObject.h"

#include <memory>

class TOdbEngineTable;

class TObjectFileData : public TObject {
  TB_OBJECT(TObjectFileData)
public:
  TObjectFileData(qint32 handle, std::unique_ptr<TOdbEngineTable> table);
  explicit TObjectFileData(TBlank blank);
  ~TObjectFileData() override;

  qint32 Handle() const { return handle_; }
  TOdbEngineTable* Table() const { return table_.get(); }

private:
  qint32 handle_ = 0;
  std::unique_ptr<TOdbEngineTable> table_;
};

quint8 CompareObjectFileData(const TObject& first, const TObject& second);
