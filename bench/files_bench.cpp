// Reading files: key-value lines and fields.
#include <benchmark/benchmark.h>

#include <string>

#include "pelbrix/key_value_file.h"

namespace {

void BM_KeyValueFileRead(benchmark::State& state) {
  std::string text;
  for (int i = 0; i < 1000; ++i) text += "key" + std::to_string(i) + "=value number " + std::to_string(i) + "\r\n";
  KeyValueFile file;
  for (auto _ : state) {
    file.Read(text);
    benchmark::DoNotOptimize(file.GetValue("key999"));
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(text.size()));
}
BENCHMARK(BM_KeyValueFileRead)->Unit(benchmark::kMicrosecond);

void BM_FieldOf(benchmark::State& state) {
  const std::string line = "enemy A 10 -50 0.25 hard";
  for (auto _ : state)
    for (int n = 0; n < 6; ++n) benchmark::DoNotOptimize(FieldOf(line, n, " "));
}
BENCHMARK(BM_FieldOf);

}  // namespace
