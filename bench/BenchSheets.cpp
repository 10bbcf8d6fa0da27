// The markroll sheets of the largest document, every category but NAME DATA in portrait: laid out alone, and
// printed into one PDF file (measuring, drawing and writing the file). The whole PDF must take under 300 ms.

#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include "BenchDocument.h"
#include "calc/Recalc.h"
#include "platform/QtPrinter.h"
#include "platform/RecordingPrinter.h"
#include "reports/PrintSetup.h"
#include "reports/ReportPrinter.h"
#include "reports/SheetLayout.h"

using namespace markroll;

namespace {

struct Sheets {
    Document doc = [] {
        Document d = bench::MaximalDocument();
        RecalcAll(d);
        return d;
    }();
    std::vector<int> cats = ReadPrintList(DefaultPrintList(doc.NumCats, false), doc.NumCats);
};

const Sheets& Shared() {
    static int argc = 1;
    static char name[] = "markroll-bench";
    static char* argv[] = {name, nullptr};
    if (!QGuiApplication::instance()) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        new QGuiApplication(argc, argv);
    }
    static const Sheets sheets;
    return sheets;
}

void BM_LayoutSheets(benchmark::State& state) {
    const Sheets& s = Shared();
    RecordingPrinter printer;
    const SheetMetrics metrics = MeasureSheets(printer, 1);
    std::size_t items = 0;
    for (auto _ : state) {
        items = 0;
        for (int cat : s.cats)
            items += LayoutSheets(s.doc, cat, {}, metrics).size();
        benchmark::DoNotOptimize(items);
    }
    state.counters["items"] = static_cast<double>(items);
}
BENCHMARK(BM_LayoutSheets)->Unit(benchmark::kMillisecond);

void BM_PrintAllPdf(benchmark::State& state) {
    const Sheets& s = Shared();
    const bench::BenchDir dir;
    for (auto _ : state) {
        const auto printer = QtPrinter::ForPdfFile(QString::fromStdString(dir.File("sheets.pdf")));
        PrintCategories(s.doc, s.cats, {}, *printer, {});
        printer->Finish();
    }
}
BENCHMARK(BM_PrintAllPdf)->Unit(benchmark::kMillisecond);

} // namespace
