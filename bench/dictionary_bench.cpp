// Dictionary searches against a plain pass over the same records, and loading the
// bank against zlib's one-shot uncompress of the same bytes. Read the ratios of
// each pair, measured in the same run; the machine is shared, so compare CPU times
// and run with --benchmark_repetitions=10 --benchmark_enable_random_interleaving=true.
#include <benchmark/benchmark.h>
#include <zlib.h>

#include <cstring>
#include <vector>

#include "wordgame/dictionary.h"

namespace {

void EnsureBank() {
    if (WordBank.PeekInt(0) != 33) LoadWordBank();  // record 0 is AA
}

// The baseline: read the three groups of records 0..270,000 (3.24 MB), as a
// search does, and fold them so the reads cannot be dropped.
void BM_PlainPass(benchmark::State& state) {
    EnsureBank();
    for (auto _ : state) {
        const uint8_t* p = WordBank.Data();
        uint32_t acc = 0;
        for (size_t n = 0; n < kSearchedRecords; ++n, p += kWordRecordBytes) {
            uint32_t g[3];
            std::memcpy(g, p, 12);
            acc ^= g[0] + g[1] + g[2];
        }
        benchmark::DoNotOptimize(acc);
    }
    state.SetBytesProcessed(state.iterations() * kSearchedRecords * kWordRecordBytes);
}
BENCHMARK(BM_PlainPass);

void BM_FindWords(benchmark::State& state, const char* pattern) {
    EnsureBank();
    for (auto _ : state) {
        FindWords(pattern, 1);
        benchmark::DoNotOptimize(WordList.data());
    }
    state.counters["found"] = static_cast<double>(WordList.size());
}
BENCHMARK_CAPTURE(BM_FindWords, Direct, "CATS");
BENCHMARK_CAPTURE(BM_FindWords, TwoBlanks, "S??T");
BENCHMARK_CAPTURE(BM_FindWords, OneStar, "C*T");

// The baseline: zlib's one-shot uncompress of the resource into a 4,000,000-byte buffer.
void BM_Uncompress(benchmark::State& state) {
    platform::ByteBlock packed = platform::OpenResource("sowpods_bank_zip.dat");
    std::vector<uint8_t> out(kWordBankBytes);
    for (auto _ : state) {
        uLongf size = out.size();
        int status = uncompress(out.data(), &size, packed.Data(), packed.Size());
        benchmark::DoNotOptimize(status);
        benchmark::DoNotOptimize(out.data());
    }
}
BENCHMARK(BM_Uncompress)->Unit(benchmark::kMillisecond);

void BM_LoadWordBank(benchmark::State& state) {
    for (auto _ : state) {
        LoadWordBank();
        benchmark::DoNotOptimize(WordBank.Data());
    }
}
BENCHMARK(BM_LoadWordBank)->Unit(benchmark::kMillisecond);

}  // namespace
