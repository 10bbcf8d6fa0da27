// markroll-bench: the file and computation costs on the largest document the program makes (100 students,
// 10 categories of 64 fields, every field filled). Loading and saving are measured against reading and
// writing the same bytes without any markroll work, so the figures say how much the format itself costs.

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>
#include <stdexcept>
#include <string>

#include "BenchDocument.h"
#include "calc/Recalc.h"
#include "document/MarkrollFile.h"
#include "reports/OrderList.h"

using namespace markroll;

namespace {

struct Fixture {
    bench::BenchDir dir;
    Document doc = bench::MaximalDocument();
    std::string loadPath = dir.File("maximal.mrk");
    std::string savePath = dir.File("saved.mrk");
    std::string rawPath = dir.File("raw.mrk");
    std::string bytes;

    Fixture() {
        RecalcAll(doc);
        bytes = SerializeMarkroll(doc);
        if (SaveMarkroll(loadPath, doc))
            throw std::runtime_error("cannot write the benchmark document");
    }
};

Fixture& Shared() {
    static Fixture f;
    return f;
}

void BM_Load(benchmark::State& state) {
    Fixture& f = Shared();
    for (auto _ : state) {
        Document doc;
        if (LoadMarkroll(f.loadPath, doc))
            state.SkipWithError("load failed");
        benchmark::DoNotOptimize(doc);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * f.bytes.size()));
}

void BM_ReadRaw(benchmark::State& state) {
    Fixture& f = Shared();
    for (auto _ : state) {
        const int fd = ::open(f.loadPath.c_str(), O_RDONLY | O_CLOEXEC);
        std::string bytes;
        char buf[65536];
        for (ssize_t n; (n = ::read(fd, buf, sizeof buf)) > 0;)
            bytes.append(buf, static_cast<std::size_t>(n));
        ::close(fd);
        benchmark::DoNotOptimize(bytes);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * f.bytes.size()));
}

void BM_Save(benchmark::State& state) {
    Fixture& f = Shared();
    SaveOptions options;
    options.sync = false;
    for (auto _ : state)
        if (SaveMarkroll(f.savePath, f.doc, options))
            state.SkipWithError("save failed");
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * f.bytes.size()));
}

void BM_WriteRaw(benchmark::State& state) {
    Fixture& f = Shared();
    for (auto _ : state) {
        const int fd = ::open(f.rawPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        std::size_t done = 0;
        while (done < f.bytes.size()) {
            const ssize_t n = ::write(fd, f.bytes.data() + done, f.bytes.size() - done);
            if (n <= 0)
                break;
            done += static_cast<std::size_t>(n);
        }
        ::close(fd);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * f.bytes.size()));
}

void BM_RecalcAll(benchmark::State& state) {
    Document doc = Shared().doc;
    for (auto _ : state) {
        RecalcAll(doc);
        benchmark::ClobberMemory();
    }
}

// The decreasing order of a 100-student category: the exchange procedure's worst case.
void BM_OrderField(benchmark::State& state) {
    const Document& doc = Shared().doc;
    for (auto _ : state) {
        const Ordering order = OrderField(doc, 2, 1, OrderDecreasing, {});
        benchmark::DoNotOptimize(order);
    }
}

BENCHMARK(BM_Load)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_OrderField)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ReadRaw)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Save)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WriteRaw)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RecalcAll)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
