// The data editor's page on the largest document: laying it out, painting it whole into a 1920 x 1080 image,
// and one typed character with the repaint of its cells. A full repaint has 4 ms, a key press 0.5 ms.

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRegion>

#include "BenchDocument.h"
#include "calc/Recalc.h"
#include "document/DisplaySettings.h"
#include "editor/EditCursor.h"
#include "editor/PageLayout.h"
#include "editor/PageRenderer.h"
#include "platform/Platform.h"
#include "platform/QtPrinter.h"
#include "platform/RecordingPrinter.h"
#include "reports/OrderList.h"
#include "reports/ReportPrinter.h"

using namespace markroll;

namespace {

// Fonts and metrics need an application; the benchmarks draw offscreen, so no display is needed.
void EnsureApplication() {
    static int argc = 1;
    static char name[] = "markroll-bench";
    static char* argv[] = {name, nullptr};
    static QGuiApplication* app = [] {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        // The sheets' benchmarks may have started it.
        if (auto* running = qobject_cast<QGuiApplication*>(QGuiApplication::instance()))
            return running;
        return new QGuiApplication(argc, argv);
    }();
    (void)app;
}

constexpr int ScreenW = 1920;
constexpr int ScreenH = 1080;

struct EditorFixture {
    // First of all: the renderer's font below needs the application.
    bool ready = (EnsureApplication(), true);
    AppState state;
    PageRenderer renderer;
    PageMetrics metrics;

    EditorFixture() {
        state.doc = bench::MaximalDocument();
        RecalcAll(state.doc);
        state.FileName = "maximal.mrk";
        const DisplaySettings& d = state.Display;
        renderer = PageRenderer(ResolveFont(QString::fromStdString(d.ScrFontName), d.ScrFontSize));
        metrics.CharW = renderer.CharW();
        metrics.CharH = renderer.CharH();
        metrics.WindowHeight = PxToTwipsY(ScreenH);
        metrics.SBarHeight = 330;
        metrics.ScreenWidth = PxToTwipsX(ScreenW);
    }

    PageLayout Lay(int cat) {
        state.EdCat = static_cast<std::int16_t>(cat);
        state.EdGroup = 1;
        state.EdPage = 1;
        return DispCat(state.doc, state.EdCat, state.EdGroup, state.EdPage, state.Display, metrics);
    }
};

EditorFixture& Editor() {
    static EditorFixture f;
    return f;
}

// Argument 0: the SUMMARY page; 2: the first page of a category of 64 fields.
void BM_LayoutPage(benchmark::State& s) {
    EditorFixture& f = Editor();
    const int cat = static_cast<int>(s.range(0));
    std::size_t rows = 0;
    for (auto _ : s) {
        PageLayout page = f.Lay(cat);
        rows = page.Rows.size();
        benchmark::DoNotOptimize(page);
    }
    s.counters["rows"] = static_cast<double>(rows);
}
BENCHMARK(BM_LayoutPage)->Arg(0)->Arg(2)->Unit(benchmark::kMicrosecond);

void BM_PaintPage(benchmark::State& s) {
    EditorFixture& f = Editor();
    const int cat = static_cast<int>(s.range(0));
    QImage image(ScreenW, ScreenH, QImage::Format_RGB32);
    const QRegion whole(0, 0, ScreenW, ScreenH);
    for (auto _ : s) {
        const PageLayout page = f.Lay(cat);
        QPainter painter(&image);
        f.renderer.Paint(painter, f.state.doc, page, whole);
    }
}
BENCHMARK(BM_PaintPage)->Arg(0)->Arg(2)->Unit(benchmark::kMillisecond);

// One character typed into a score cell of the 64-field page, then the two cells it touched repainted.
void BM_KeyPress(benchmark::State& s) {
    EditorFixture& f = Editor();
    const PageLayout page = f.Lay(2);
    EditCursor cursor(f.state);
    cursor.Load();
    cursor.SetLayout(page);
    cursor.StartEdit();
    QImage image(ScreenW, ScreenH, QImage::Format_RGB32);
    {
        QPainter painter(&image);
        f.renderer.Paint(painter, f.state.doc, page, QRegion(0, 0, ScreenW, ScreenH));
    }
    const DisplaySettings& d = f.state.Display;
    for (auto _ : s) {
        const float oldX = cursor.CurX;
        const float oldY = cursor.CurY;
        cursor.KeyPress('7');
        QRegion dirty(f.renderer.CellRect(page, oldX, oldY));
        dirty += f.renderer.CellRect(page, cursor.CurX, cursor.CurY);
        QPainter painter(&image);
        painter.setClipRegion(dirty);
        f.renderer.Paint(painter, f.state.doc, page, dirty);
        const auto e = static_cast<std::size_t>(cursor.CursorElement());
        f.renderer.PaintCell(painter, page, cursor.CurX, cursor.CurY, cursor.CurCode, d.FgColor[e], d.BgColor[e]);
    }
}
BENCHMARK(BM_KeyPress)->Unit(benchmark::kMicrosecond);

// The listing of the maximal document on paper: through the recording printer (layout and measuring), and
// into a PDF file (the whole print command, file written). It must stay well under a second.
void BM_PrintListing(benchmark::State& state) {
    EnsureApplication();
    static const Document doc = [] {
        Document d = bench::MaximalDocument();
        RecalcAll(d);
        return d;
    }();
    ListingSpec spec;
    spec.Cat = 2;
    spec.Fld = 1;
    spec.Order = OrderField(doc, 2, 1, OrderDecreasing, {});
    spec.Header = DefaultHeader(1);
    const bool pdf = state.range(0) == 1;
    const bench::BenchDir dir;
    for (auto _ : state) {
        if (pdf) {
            const auto printer = QtPrinter::ForPdfFile(QString::fromStdString(dir.File("listing.pdf")));
            PrintListing(doc, spec, *printer);
            printer->Finish();
        } else {
            RecordingPrinter printer;
            PrintListing(doc, spec, printer);
            benchmark::DoNotOptimize(printer.Records().size());
        }
    }
    state.SetLabel(pdf ? "PDF file" : "recording printer");
}
BENCHMARK(BM_PrintListing)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
