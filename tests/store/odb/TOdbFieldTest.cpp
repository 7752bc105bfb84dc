#include "OdbTestSupport.h"

#include "store/odb/OdbErrors.h"
#include "store/streaming/StreamErrors.h"
#include "store/streaming/TObjectStream.h"
#include "store/odb/TOdbField.h"
#include "store/odb/TOdbIndex.h"
#include "store/containers/TUnorderedList.h"

#include <gtest/gtest.h>

namespace {
std::unique_ptr<TUnorderedList> FieldList() {
  auto list = std::make_unique<TUnorderedList>(TOdbField::StaticClass(), CompareOdbField);
  list->Append(new TOdbField(QStringLiteral("Name"), TOdbFieldType::String, 32));
  list->Append(new TOdbField(QStringLiteral("Price"), TOdbFieldType::Float, 0));
  list->Append(new TOdbField(QStringLiteral("Count"), TOdbFieldType::Integer, 0));
  list->Append(new TOdbField(QStringLiteral("Seq"), TOdbFieldType::Counter, 0));
  return list;
}
} // namespace

TEST(TOdbFieldTest, SizesFollowTheType) {
  EXPECT_EQ(TOdbField(QStringLiteral("S"), TOdbFieldType::String, 32).Size(), 32);
  EXPECT_EQ(TOdbField(QStringLiteral("F"), TOdbFieldType::Float, 3).Size(), 10);
  EXPECT_EQ(TOdbField(QStringLiteral("I"), TOdbFieldType::Integer, 99).Size(), 4);
  EXPECT_EQ(TOdbField(QStringLiteral("C"), TOdbFieldType::Counter, 0).Size(), 4);
  EXPECT_THROW(TOdbField(QStringLiteral("S"), TOdbFieldType::String, 0), EOdbInvalidFieldType);
  EXPECT_THROW(TOdbField(QStringLiteral("S"), TOdbFieldType::String, 256), EOdbInvalidFieldType);
}

TEST(TOdbFieldTest, AStringKeepsAtMostSizeMinusOneCharacters) {
  TOdbField field(QStringLiteral("MachineId"), TOdbFieldType::String, 32);
  EXPECT_EQ(field.GetAsString(), QString()); // never written
  field.SetAsString(QString(40, QLatin1Char('x')));
  EXPECT_EQ(field.GetAsString(), QString(31, QLatin1Char('x')));
  field.SetAsString(QStringLiteral("Caf\u00e9 \u20ac"));
  EXPECT_EQ(field.GetAsString(), QStringLiteral("Caf\u00e9 \u20ac"));
  TOdbField small(QStringLiteral("HisEvId"), TOdbFieldType::String, 10);
  small.SetAsString(QStringLiteral("0123456789AB"));
  EXPECT_EQ(small.GetAsString(), QStringLiteral("012345678"));
}

TEST(TOdbFieldTest, NumbersKeepTheirValues) {
  TOdbField price(QStringLiteral("Price"), TOdbFieldType::Float, 10);
  price.SetAsFloat(-12.345);
  EXPECT_EQ(price.GetAsFloat(), -12.345);
  TOdbField count(QStringLiteral("Count"), TOdbFieldType::Counter, 4);
  count.SetAsInteger(-2147483647 - 1);
  EXPECT_EQ(count.GetAsInteger(), -2147483647 - 1);
}

TEST(TOdbFieldTest, AccessorsOfTheWrongTypeAreRefused) {
  TOdbField text(QStringLiteral("T"), TOdbFieldType::String, 8);
  TOdbField real(QStringLiteral("R"), TOdbFieldType::Float, 10);
  TOdbField whole(QStringLiteral("W"), TOdbFieldType::Integer, 4);
  const QList<std::function<void()>> wrong{
      [&] { text.GetAsFloat(); },       [&] { text.SetAsInteger(1); },   [&] { real.GetAsString(); },
      [&] { real.SetAsInteger(1); },    [&] { whole.SetAsString({}); }, [&] { whole.GetAsFloat(); },
  };
  for (const auto& call : wrong) EXPECT_EQ(MessageOf(call), QStringLiteral("EOdbInvalidFieldType"));
}

TEST(TOdbFieldTest, SameValueComparesWithinComparableTypes) {
  TOdbField a(QStringLiteral("A"), TOdbFieldType::String, 8), b(QStringLiteral("B"), TOdbFieldType::String, 8);
  a.SetAsString(QStringLiteral("abc"));
  b.SetAsString(QStringLiteral("ABC"));
  EXPECT_FALSE(a.SameValue(b)); // case counts
  b.SetAsString(QStringLiteral("abc"));
  EXPECT_TRUE(a.SameValue(b));

  TOdbField i(QStringLiteral("I"), TOdbFieldType::Integer, 4), c(QStringLiteral("C"), TOdbFieldType::Counter, 4);
  i.SetAsInteger(7);
  c.SetAsInteger(7);
  EXPECT_TRUE(i.SameValue(c));
  c.SetAsInteger(8);
  EXPECT_FALSE(c.SameValue(i));

  TOdbField f(QStringLiteral("F"), TOdbFieldType::Float, 10), g(QStringLiteral("G"), TOdbFieldType::Float, 10);
  f.SetAsFloat(0.0);
  g.SetAsFloat(-0.0);
  EXPECT_TRUE(f.SameValue(g)); // numerically equal

  for (const auto* other : {&i, &f}) EXPECT_EQ(MessageOf([&] { a.SameValue(*other); }), QStringLiteral("EOdbFieldsNotComparable"));
  EXPECT_THROW(f.SameValue(i), EOdbFieldsNotComparable);
}

TEST(TOdbFieldTest, FindOdbFieldIgnoresCaseAndNamesTheMissingField) {
  const auto list = FieldList();
  EXPECT_EQ(FindOdbField(QStringLiteral("PRICE"), *list).Type(), TOdbFieldType::Float);
  EXPECT_EQ(MessageOf([&] { FindOdbField(QStringLiteral("Missing"), *list); }), QStringLiteral("EOdbFieldDoesNotExist.\rMissing"));
}

TEST(TOdbFieldTest, AFieldListCopiesWithItsValuesAndOrder) {
  const auto list = FieldList();
  FindOdbField(QStringLiteral("Name"), *list).SetAsString(QStringLiteral("M\u00fcller, \"Ltd\""));
  FindOdbField(QStringLiteral("Price"), *list).SetAsFloat(2.5);
  FindOdbField(QStringLiteral("Seq"), *list).SetAsInteger(-3);
  const std::unique_ptr<TObject> copy = CopyObject(list.get());
  const auto& copied = static_cast<const TUnorderedList&>(*copy);
  const QList<TOdbField*> fields = OdbFieldsOf(copied);
  ASSERT_EQ(fields.size(), 4);
  EXPECT_EQ(fields[0]->GetAsString(), QStringLiteral("M\u00fcller, \"Ltd\""));
  EXPECT_EQ(fields[1]->GetAsFloat(), 2.5);
  EXPECT_EQ(fields[2]->GetAsInteger(), 0);
  EXPECT_EQ(fields[3]->Type(), TOdbFieldType::Counter);
  EXPECT_EQ(fields[3]->GetAsInteger(), -3);
  EXPECT_NE(fields[0], OdbFieldsOf(*list)[0]);
}

TEST(TOdbFieldTest, TheStreamFormIsNameTypeSizeAndTheValueBytes) {
  TOdbField field(QStringLiteral("Id"), TOdbFieldType::String, 4);
  field.SetAsString(QStringLiteral("ab"));
  TObjectStream stream;
  stream.WriteObject(&field);
  const QByteArray bytes = stream.Stream().Bytes();
  // ... the class name, version 1, then: "Id", type 0, size 4, then 02 'a' 'b' 00.
  EXPECT_TRUE(bytes.endsWith(QByteArray::fromHex("0602496402000204") + QByteArray::fromHex("02616200")));
}

TEST(TOdbFieldTest, AStreamWithAnImpossibleTypeOrSizeIsRefused) {
  for (const auto& [type, size] : {std::pair{4, 4}, std::pair{2, 8}, std::pair{1, 4}}) {
    TOdbField field(QStringLiteral("Id"), TOdbFieldType::Integer, 4);
    TObjectStream stream;
    stream.WriteObject(&field);
    QByteArray bytes = stream.Stream().Bytes();
    // The last bytes: type (02 02), size (02 04), then the 4 value bytes.
    bytes[bytes.size() - 7] = char(type);
    bytes[bytes.size() - 5] = char(size);
    TObjectStream damaged(std::make_unique<TMemoryStream>(bytes));
    EXPECT_THROW(damaged.ReadObject(), EReadError) << type << " " << size;
  }
}

TEST(TOdbIndexTest, FieldNamesJoinInKeyOrder) {
  const TOdbIndex index(QStringLiteral("ByPlace"), TOdbIndexOption::Unique, {QStringLiteral("Store"), QStringLiteral("Machine")});
  EXPECT_EQ(index.FieldNames(QLatin1Char(';')), QStringLiteral("Store;Machine"));
  EXPECT_TRUE(index.IsPrimaryOrUnique());
  EXPECT_FALSE(TOdbIndex(QStringLiteral("X"), TOdbIndexOption::Descending, {QStringLiteral("A")}).IsPrimaryOrUnique());
}

TEST(TOdbIndexTest, CopiesKeepNamesOptionsAndFields) {
  for (const TOdbIndexOptions options :
       {TOdbIndexOptions(), TOdbIndexOptions(TOdbIndexOption::Primary | TOdbIndexOption::Unique),
        TOdbIndexOptions(TOdbIndexOption::CaseInsensitive | TOdbIndexOption::Descending),
        TOdbIndexOptions(TOdbIndexOption::Primary | TOdbIndexOption::Unique | TOdbIndexOption::CaseInsensitive |
                         TOdbIndexOption::Descending)}) {
    const TOdbIndex index(QStringLiteral("MachineId"), options, {QStringLiteral("MachineId"), QStringLiteral("Other")});
    const std::unique_ptr<TObject> copy = CopyObject(&index);
    const auto& copied = static_cast<const TOdbIndex&>(*copy);
    EXPECT_EQ(copied.Name(), QStringLiteral("MachineId"));
    EXPECT_EQ(copied.Options(), options);
    EXPECT_EQ(copied.FieldNameList(), (QStringList{"MachineId", "Other"}));
  }
}

TEST(TOdbIndexTest, TheStreamFormCountsTheOptionsAndListsTheirBits) {
  const TOdbIndex index(QStringLiteral("I"), TOdbIndexOption::Unique | TOdbIndexOption::Descending, {});
  TObjectStream stream;
  stream.WriteObject(&index);
  // ... the nested name list, then "I", 2 options: bits 1 and 3.
  EXPECT_TRUE(stream.Stream().Bytes().endsWith(QByteArray::fromHex("060149" "0202" "0201" "0203")));
}

TEST(OdbErrorsTest, MessagesAreTheClassNameAndTheTextAfterACarriageReturn) {
  EXPECT_EQ(MessageOf([] { OdbError<EOdbKeyViolation>(QStringLiteral("MachineId")); }), QStringLiteral("EOdbKeyViolation.\rMachineId"));
  EXPECT_EQ(MessageOf([] { OdbError<EOdbDatabaseNotOpened>(); }), QStringLiteral("EOdbDatabaseNotOpened"));
  try {
    OdbError<EOdbIndexDoesNotExist>(QStringLiteral("X"));
  } catch (const EOdbIndexDoesNotExist& e) {
    EXPECT_STREQ(e.ClassName(), "EOdbIndexDoesNotExist");
  }
}

TEST(OdbErrorsTest, TheErrorProcedureCanBeReplaced) {
  static QStringList seen;
  seen.clear();
  const TOdbErrorProc previous = SetOdbErrorProc([](const TOdbExceptionClass& cls, const QString& text) {
    seen << cls.name + QLatin1Char('/') + text;
    cls.raise(QStringLiteral("replaced"));
  });
  EXPECT_EQ(MessageOf([] { OdbError<EOdbKeyViolation>(QStringLiteral("Id")); }), QStringLiteral("replaced"));
  // A procedure that returns is followed by the default one.
  SetOdbErrorProc([](const TOdbExceptionClass&, const QString&) {});
  EXPECT_EQ(MessageOf([] { OdbError<EOdbInvalidFieldType>(); }), QStringLiteral("EOdbInvalidFieldType"));
  SetOdbErrorProc(previous);
  EXPECT_EQ(seen, QStringList{"EOdbKeyViolation/Id"});
}
