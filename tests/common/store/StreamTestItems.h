#pragma once
// Small classes for the container and stream tests: a registered item with one field of
// each primitive kind and a count of live instances (to show that nothing leaks or is
// freed twice), a descendant, an unrelated class, a class whose writer puts nothing, and a
// class that is not registered.
#include "platform/sys/Exception.h"
#include "platform/sys/TObject.h"

#include <QString>
#include <gtest/gtest.h>

class TStreamTestItem : public TObject {
  TB_OBJECT(TStreamTestItem)
public:
  explicit TStreamTestItem(qint32 key = 0, const QString& text = QString(), bool flag = false,
                           double amount = 0.0);
  explicit TStreamTestItem(TBlank blank);
  TStreamTestItem(const TStreamTestItem& other);
  ~TStreamTestItem() override;

  static int Live; // instances now alive
  qint32 key = 0;
  QString text;
  bool flag = false;
  double amount = 0.0;
};

class TStreamTestDerived : public TStreamTestItem {
  TB_OBJECT(TStreamTestDerived)
public:
  using TStreamTestItem::TStreamTestItem;
};

class TStreamTestOther : public TObject {
  TB_OBJECT(TStreamTestOther)
public:
  TStreamTestOther() = default;
  explicit TStreamTestOther(TBlank blank) : TObject(blank) {}
};

class TStreamTestEmpty : public TObject {
  TB_OBJECT(TStreamTestEmpty)
public:
  TStreamTestEmpty() = default;
  explicit TStreamTestEmpty(TBlank blank) : TObject(blank) {}
};

class TStreamTestUnregistered : public TObject {
  TB_OBJECT(TStreamTestUnregistered)
public:
  TStreamTestUnregistered() = default;
  explicit TStreamTestUnregistered(TBlank blank) : TObject(blank) {}
};

// Orders TStreamTestItems by key; registered as "CompareStreamTestItem".
quint8 CompareStreamTestItem(const TObject& first, const TObject& second);
// compare (first, second) = 1 whenever first.key < second.key + 10: not symmetric, to show
// which argument order a search uses. Registered as "CompareStreamTestNear".
quint8 CompareStreamTestNear(const TObject& first, const TObject& second);

qint32 KeyOf(const TObject* obj);

// Runs the call and expects it to raise E with the message.
template <class E, class Call> void ExpectRaises(Call&& call, const char* message) {
  try {
    call();
    ADD_FAILURE() << "expected " << message;
  } catch (const E& e) {
    EXPECT_EQ(e.Message().toStdString(), message);
  }
}
