// Loading a skin through the reader against the floor set by zlib: inflating the same entry from
// memory into memory. Prints both times and their ratio.
#include <benchmark/benchmark.h>
#include <zlib.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <string>

#include "FileStream.h"
#include "Sk2Format.h"
#include "Sk2SkinFileReader.h"

namespace {
std::string gArchivePath;
std::string gArchive;

void LoadThroughReader(benchmark::State& state) {
  for (auto _ : state) {
    Tsk2SkinFileReader reader(gArchivePath, "");
    benchmark::DoNotOptimize(reader.Bitmaps().data());
  }
}

void RawInflateInMemory(benchmark::State& state) {
  // The entry's data start after the local header; sizes come from the central directory.
  const auto* a = reinterpret_cast<const uint8_t*>(gArchive.data());
  const uint8_t* end = a + gArchive.size() - 22;
  const uint8_t* central = a + sk2::ReadU32(end + 16);
  const uint32_t packed = sk2::ReadU32(central + 20), unpacked = sk2::ReadU32(central + 24);
  const uint8_t* data = a + 30 + sk2::ReadU16(a + 26) + sk2::ReadU16(a + 28);
  std::string out(unpacked, '\0');
  for (auto _ : state) {
    z_stream z{};
    inflateInit2(&z, -MAX_WBITS);
    z.next_in = const_cast<uint8_t*>(data);
    z.avail_in = packed;
    z.next_out = reinterpret_cast<Bytef*>(out.data());
    z.avail_out = unpacked;
    if (inflate(&z, Z_FINISH) != Z_STREAM_END) state.SkipWithError("inflate failed");
    inflateEnd(&z);
    benchmark::DoNotOptimize(out.data());
  }
}

// Keeps each benchmark's time per iteration so the ratio can be printed after the run.
class RatioReporter : public benchmark::ConsoleReporter {
public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const auto& run : runs)
      if (run.run_type == Run::RT_Iteration) Times[run.benchmark_name()] = run.GetAdjustedRealTime();
    ConsoleReporter::ReportRuns(runs);
  }
  std::map<std::string, double> Times;
};
}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s SKIN.mvx [benchmark options]\n", argv[0]);
    return 64;
  }
  gArchivePath = argv[1];
  gArchive = FileStream::ReadAll(gArchivePath);
  benchmark::RegisterBenchmark("LoadThroughReader", LoadThroughReader)->Unit(benchmark::kMicrosecond);
  benchmark::RegisterBenchmark("RawInflateInMemory", RawInflateInMemory)->Unit(benchmark::kMicrosecond);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  double load = reporter.Times["LoadThroughReader"], inflate = reporter.Times["RawInflateInMemory"];
  if (load > 0 && inflate > 0)
    std::printf("reader load %.1f us, raw inflate %.1f us, ratio %.2f\n", load, inflate, load / inflate);
  return 0;
}
