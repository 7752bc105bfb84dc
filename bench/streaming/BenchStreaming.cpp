// Streams 100,000 small objects (an integer, a text, a Boolean and a float each) out into
// one memory stream and back, and reports objects per second for writing, reading and the
// round trip.
#include "store/streaming/StreamRegistry.h"
#include "store/streaming/TObjectReader.h"
#include "store/streaming/TObjectStream.h"
#include "store/streaming/TObjectWriter.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>
#include <memory>
#include <vector>

namespace {
constexpr int kObjects = 100000;

class TBenchItem : public TObject {
  TB_OBJECT(TBenchItem)
public:
  TBenchItem() = default;
  explicit TBenchItem(TBlank blank) : TObject(blank) {}
  qint32 number = 0;
  QString name;
  bool active = false;
  double price = 0.0;
};
TB_DEFINE_CLASS(TBenchItem, TObject)

void ReadBenchItem(TObject& obj, TObjectReader& reader) {
  auto& item = static_cast<TBenchItem&>(obj);
  item.number = reader.ReadInteger();
  item.name = reader.ReadString();
  item.active = reader.ReadBoolean();
  item.price = reader.ReadFloat();
}

void WriteBenchItem(const TObject& obj, TObjectWriter& writer) {
  const auto& item = static_cast<const TBenchItem&>(obj);
  writer.WriteInteger(item.number);
  writer.WriteString(item.name);
  writer.WriteBoolean(item.active);
  writer.WriteFloat(item.price);
}

[[maybe_unused]] const bool registered = [] {
  RegisterStreamable(TBenchItem::StaticClass(), {&ReadBenchItem}, {&WriteBenchItem});
  return true;
}();

std::vector<std::unique_ptr<TBenchItem>> MakeItems() {
  std::vector<std::unique_ptr<TBenchItem>> items;
  items.reserve(kObjects);
  for (int i = 0; i < kObjects; ++i) {
    auto item = std::make_unique<TBenchItem>();
    item->number = i * 37 - 1000000;
    item->name = QStringLiteral("PLU %1").arg(i);
    item->active = i % 3 == 0;
    item->price = i * 0.25;
    items.push_back(std::move(item));
  }
  return items;
}

void WriteAll(TObjectStream& stream, const std::vector<std::unique_ptr<TBenchItem>>& items) {
  for (const auto& item : items) stream.WriteObject(item.get());
}

void ReadAll(TObjectStream& stream) {
  stream.Rewind();
  for (int i = 0; i < kObjects; ++i) benchmark::DoNotOptimize(stream.ReadObject());
}

void SetRate(benchmark::State& state) {
  state.counters["objects/s"] = benchmark::Counter(kObjects, benchmark::Counter::kIsIterationInvariantRate);
}

void BM_Write(benchmark::State& state) {
  const auto items = MakeItems();
  for (auto _ : state) {
    TObjectStream stream;
    WriteAll(stream, items);
    benchmark::DoNotOptimize(stream.Stream().Size());
  }
  SetRate(state);
}

void BM_Read(benchmark::State& state) {
  const auto items = MakeItems();
  TObjectStream stream;
  WriteAll(stream, items);
  for (auto _ : state) ReadAll(stream);
  SetRate(state);
  state.counters["bytes/object"] = double(stream.Stream().Size()) / kObjects;
}

void BM_RoundTrip(benchmark::State& state) {
  const auto items = MakeItems();
  for (auto _ : state) {
    TObjectStream stream;
    WriteAll(stream, items);
    ReadAll(stream);
  }
  SetRate(state);
}

BENCHMARK(BM_Write)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Read)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RoundTrip)->Unit(benchmark::kMillisecond);
} // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
