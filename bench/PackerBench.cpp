// Packer speed against memcpy and LZ4 on the same inputs, in one run.
//
// Each case reports bytes per second of unpacked data. After the run a table
// of ratios is printed: our pack and unpack against memcpy of the same size,
// and against LZ4's compression and decompression of the same input.
#include "packer/acSFPack.h"
#include "sampledata/SampleData.h"

#include <benchmark/benchmark.h>
#include <lz4.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

struct Input {
    const char* name;
    Bytes bytes; // the input followed by the packer's two slack bytes
    size_t size;
    Bytes packed;
    Bytes lz4;
};

Input MakeInput(const char* name, Bytes bytes) {
    Input input{name, std::move(bytes), 0, {}, {}};
    input.size = input.bytes.size();
    input.bytes.resize(input.size + acsf::PackSlackBytes);
    input.packed.resize(acsf::PackedSizeBound(static_cast<uint32_t>(input.size)));
    input.packed.resize(static_cast<size_t>(acsf::PackStream(
        input.bytes.data(), input.packed.data(), static_cast<int32_t>(input.size))));
    input.lz4.resize(static_cast<size_t>(LZ4_compressBound(static_cast<int>(input.size))));
    input.lz4.resize(static_cast<size_t>(
        LZ4_compress_default(reinterpret_cast<const char*>(input.bytes.data()),
                             reinterpret_cast<char*>(input.lz4.data()),
                             static_cast<int>(input.size), static_cast<int>(input.lz4.size()))));
    return input;
}

// The setup program's size: the launcher unpacks exactly this much at start.
constexpr size_t PayloadSize = 10660409;

std::vector<Input>& Inputs() {
    static std::vector<Input> inputs = [] {
        std::vector<Input> all;
        all.push_back(MakeInput("payload", sample::InstallerPayload(PayloadSize, 1)));
        all.push_back(MakeInput("executable", sample::CodeLike(4 << 20, 2)));
        all.push_back(MakeInput("runs", sample::RunHeavy(4 << 20, 3)));
        return all;
    }();
    return inputs;
}

void Finish(benchmark::State& state, const Input& input) {
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(input.size));
    state.counters["ratio"] =
        static_cast<double>(input.packed.size()) / static_cast<double>(input.size);
}

void Pack(benchmark::State& state, Input* input) {
    Bytes out(acsf::PackedSizeBound(static_cast<uint32_t>(input->size)));
    for (auto _ : state)
        benchmark::DoNotOptimize(
            acsf::PackStream(input->bytes.data(), out.data(), static_cast<int32_t>(input->size)));
    Finish(state, *input);
}

void UnpackTrusting(benchmark::State& state, Input* input) {
    Bytes out(input->size);
    for (auto _ : state) {
        benchmark::DoNotOptimize(acsf::UnpackStream(
            input->packed.data() + 4, out.data(), static_cast<int32_t>(input->packed.size() - 4)));
        benchmark::ClobberMemory();
    }
    Finish(state, *input);
}

void UnpackChecked(benchmark::State& state, Input* input) {
    Bytes out(input->size);
    for (auto _ : state) {
        benchmark::DoNotOptimize(acsf::UnpackPackedChecked(
            input->packed.data(), input->packed.size(), out.data(), out.size()));
        benchmark::ClobberMemory();
    }
    Finish(state, *input);
}

void Memcpy(benchmark::State& state, Input* input) {
    Bytes out(input->size);
    for (auto _ : state) {
        std::memcpy(out.data(), input->bytes.data(), input->size);
        benchmark::ClobberMemory();
    }
    Finish(state, *input);
}

void Lz4Compress(benchmark::State& state, Input* input) {
    Bytes out(static_cast<size_t>(LZ4_compressBound(static_cast<int>(input->size))));
    for (auto _ : state)
        benchmark::DoNotOptimize(LZ4_compress_default(
            reinterpret_cast<const char*>(input->bytes.data()), reinterpret_cast<char*>(out.data()),
            static_cast<int>(input->size), static_cast<int>(out.size())));
    Finish(state, *input);
}

void Lz4Decompress(benchmark::State& state, Input* input) {
    Bytes out(input->size);
    for (auto _ : state) {
        benchmark::DoNotOptimize(LZ4_decompress_safe(
            reinterpret_cast<const char*>(input->lz4.data()), reinterpret_cast<char*>(out.data()),
            static_cast<int>(input->lz4.size()), static_cast<int>(out.size())));
        benchmark::ClobberMemory();
    }
    Finish(state, *input);
}

// Collects bytes per second by case name while printing as usual.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> speed;

    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            const auto found = run.counters.find("bytes_per_second");
            if (found != run.counters.end() && run.run_type == Run::RT_Iteration)
                speed[run.benchmark_name()] = found->second;
        }
        ConsoleReporter::ReportRuns(runs);
    }
};

void PrintRatio(RatioReporter& reporter, const std::string& what, const std::string& a,
                const std::string& b, double target) {
    const auto x = reporter.speed.find(a);
    const auto y = reporter.speed.find(b);
    if (x == reporter.speed.end() || y == reporter.speed.end()) return;
    const double ratio = x->second / y->second;
    std::printf("  %-44s %6.2f   (target >= %.2f: %s)\n", what.c_str(), ratio, target,
                ratio >= target ? "met" : "NOT MET");
}

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    for (Input& input : Inputs()) {
        const std::string n = input.name;
        benchmark::RegisterBenchmark(("pack/" + n).c_str(), Pack, &input);
        benchmark::RegisterBenchmark(("unpack/" + n).c_str(), UnpackTrusting, &input);
        benchmark::RegisterBenchmark(("unpack_checked/" + n).c_str(), UnpackChecked, &input);
        benchmark::RegisterBenchmark(("memcpy/" + n).c_str(), Memcpy, &input);
        benchmark::RegisterBenchmark(("lz4_compress/" + n).c_str(), Lz4Compress, &input);
        benchmark::RegisterBenchmark(("lz4_decompress/" + n).c_str(), Lz4Decompress, &input);
    }
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);

    std::printf("\nRatios (same run):\n");
    PrintRatio(reporter, "unpack payload / memcpy", "unpack/payload", "memcpy/payload", 0.9);
    PrintRatio(reporter, "unpack payload / LZ4 decompress", "unpack/payload",
               "lz4_decompress/payload", 1.0);
    PrintRatio(reporter, "checked unpack payload / unpack", "unpack_checked/payload",
               "unpack/payload", 0.9);
    PrintRatio(reporter, "pack payload / memcpy", "pack/payload", "memcpy/payload", 0.15);
    PrintRatio(reporter, "pack payload / LZ4 compress", "pack/payload", "lz4_compress/payload",
               1.0);
    PrintRatio(reporter, "unpack executable / memcpy", "unpack/executable", "memcpy/executable",
               0.4);
    PrintRatio(reporter, "checked unpack executable / unpack", "unpack_checked/executable",
               "unpack/executable", 0.9);
    PrintRatio(reporter, "pack executable / memcpy", "pack/executable", "memcpy/executable", 0.0);
    PrintRatio(reporter, "unpack runs / memcpy", "unpack/runs", "memcpy/runs", 0.0);
    benchmark::Shutdown();
    return 0;
}
