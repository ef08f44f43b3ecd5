// Decoding pictures: the side-bar shooter reads fourteen DDS pictures at start-up.
#include <benchmark/benchmark.h>

#include <string>

#include "platform/dds.h"
#include "platform/dds_header.h"

namespace {

// A square DXT5 picture of side pixels whose blocks vary, so no branch is always taken.
std::string Dxt5Picture(int side) {
  platform::DdsHeader h;
  h.width = h.height = uint32_t(side);
  h.pixelFormat.flags = platform::kDdpfFourCC;
  h.pixelFormat.fourCC = platform::FourCC("DXT5");
  std::string file = platform::WriteDdsHeader(h);
  for (int block = 0; block < (side / 4) * (side / 4); ++block)
    for (int i = 0; i < 16; ++i) file.push_back(char(block * 31 + i * 17));
  return file;
}

void BM_DecodeDxt5(benchmark::State& state) {
  const std::string file = Dxt5Picture(int(state.range(0)));
  platform::Image image;
  for (auto _ : state) benchmark::DoNotOptimize(platform::DecodeDds(file, image));
  state.SetItemsProcessed(int64_t(state.iterations()) * state.range(0) * state.range(0));
}
BENCHMARK(BM_DecodeDxt5)->Arg(256)->Arg(1024)->Unit(benchmark::kMicrosecond);

void BM_DecodeA8R8G8B8(benchmark::State& state) {
  const int side = int(state.range(0));
  const std::string file =
      platform::EncodeDds(platform::Image(side, side, 0x80406080), platform::DdsFormat::A8R8G8B8);
  platform::Image image;
  for (auto _ : state) benchmark::DoNotOptimize(platform::DecodeDds(file, image));
  state.SetItemsProcessed(int64_t(state.iterations()) * side * side);
}
BENCHMARK(BM_DecodeA8R8G8B8)->Arg(256)->Arg(1024)->Unit(benchmark::kMicrosecond);

}  // namespace
