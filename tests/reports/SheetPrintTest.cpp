// Markroll sheets and worksheets laid out on the metrics of the real fonts, and printed through the recording
// printer.

#include <QtTest>

#include "document/TextNumber.h"
#include "platform/RecordingPrinter.h"
#include "reports/ReportPrinter.h"
#include "support/TestDocuments.h"

using namespace markroll;
using namespace markroll::test;

namespace {

using Items = std::vector<ReportItem>;

// The sheet font measured as a printer measures it, on A4 less margins.
SheetMetrics Measured() {
    RecordingPrinter printer;
    return MeasureSheets(printer, 1);
}

Document Class(int students, int fields) {
    Document doc = MakeDocument(students, {{"Tests", 40, fields, 3}});
    for (int s = 1; s <= students; ++s)
        doc.CatData(s, 1) = "123-45-" + NumTextTrim(1000 + s) + " Noether, Emmy" + Space(NameLen - 13);
    return doc;
}

const ReportItem* Find(const Items& items, const std::string& text) {
    for (const ReportItem& item : items)
        if (item.Type == ReportItem::Text && item.Value == text)
            return &item;
    return nullptr;
}

int Count(const Items& items, const std::function<bool(const ReportItem&)>& which) {
    return static_cast<int>(std::count_if(items.begin(), items.end(), which));
}

int Count(const Items& items, ReportItem::Kind kind) {
    return Count(items, [kind](auto& i) { return i.Type == kind; });
}

} // namespace

class SheetPrintTest : public QObject {
    Q_OBJECT

private slots:
    // Background 7 and 15 print white with black text whatever the foreground; any other draws boxes, and every row
    // number takes the foreground colour.
    void coloursAndBoxes() {
        const Document doc = Class(12, 4);
        for (const auto& [back, fore, box, text] :
             {std::tuple{15, 0, 0u, 0u}, {7, 12, 0u, 0u}, {1, 14, 0x80u, 0xFFFF00u}}) {
            const Items items = LayoutSheets(doc, 2, {1, 1, 0, 16, back, fore}, Measured());
            const bool boxes = back != 7 && back != 15;
            QCOMPARE(Count(items, ReportItem::Box) > 0, boxes);
            for (const ReportItem& item : items)
                if (item.Type == ReportItem::Box || (!boxes && item.Type == ReportItem::Text))
                    QCOMPARE(item.Color, item.Type == ReportItem::Box ? box : Rgb(0));
            for (const char* label : {"Group 1/1", " 1", " 7", "12", "Possible Points", "Class Average"})
                QCOMPARE(Find(items, label)->Color, text);
            for (const char* text : {"Student Name", "Noether, Emmy   "})
                QCOMPARE(Find(items, text)->Color, Rgb(0));
        }
    }

    // 30 score fields at 12 a page and 45 students at 40 a page: six sheets, page by page, the last page narrower.
    void pagesAndGroups() {
        const Document doc = Class(45, 31);
        SheetMetrics m = Measured();
        m.PageWidth = 400 + 76.5 * m.CharWidth;
        m.PageHeight = 1400 + 46.5 * (m.CharHeight + 6);
        const SheetFit fit = FitSheets(doc, 2, {}, m);
        QCOMPARE(std::tuple(fit.FirstFields, fit.FieldsPerPage, fit.Pages, fit.StudentsPerPage, fit.Groups),
                 std::tuple(12, 12, 3, 40, 2));
        const Items items = LayoutSheets(doc, 2, {}, m);
        std::string order; // the group and page of each sheet, each sheet a print document
        for (const ReportItem& item : items)
            if (item.Type == ReportItem::EndDoc || item.Value.starts_with("Page ") || item.Value.starts_with("Group "))
                order += item.Type == ReportItem::EndDoc ? "|" : item.Value.substr(item.Value.find(' ') + 1) + " ";
        QCOMPARE(order, "1/2 1/3 |2/2 1/3 |1/2 2/3 |2/2 2/3 |1/2 3/3 |2/2 3/3 |");
        // Fields 25..30 on the last page; its table is 16 + 7 x 4 + 6 characters wide.
        const std::string titles = doc.CatData(doc.TitleRow(), 2);
        QVERIFY(Find(items, Mid(titles, 13 * CellWidth + 1, 12 * CellWidth)));
        QVERIFY(Find(items, Mid(titles, 25 * CellWidth + 1, 6 * CellWidth)));
        QCOMPARE(Find(items, "Page 3/3")->X, SheetLeft + (16 + 7 * 4 + 6 - 8) * m.CharWidth);
        QCOMPARE(Find(items, "45")->Y, SheetTopY + 8 * fit.RowPitch);
    }

    // A long caption or info line widens the name, up to the full name, and takes the room from the fields.
    void wideningTheName() {
        SheetMetrics m = Measured();
        m.PageWidth = 400 + 70.5 * m.CharWidth; // the first fit: 11 fields, 70 characters
        for (const auto& [info1, info2, name, id, wantName, wantFields] : {std::tuple{13, 16, 16, 0, 16, 11},
                                                                           {60, 16, 16, 0, 22, 9},
                                                                           {64, 64, 16, 0, 30, 7},
                                                                           {13, 16, 0, 0, 0, 15},
                                                                           {64, 10, 0, 4, 4, 13}}) {
            Document doc = Class(12, 20);
            doc.InfoLine[1] = std::string(std::size_t(info1), 'i');
            doc.InfoLine[2] = std::string(std::size_t(info2), 'j');
            const SheetFit fit = FitSheets(doc, 2, {1, 1, id, name}, m);
            QCOMPARE(std::tuple(fit.NameWidth, fit.FieldsPerPage), std::tuple(wantName, wantFields));
        }
        // The widened name shows 22 characters of the name after the last 4 of the ID.
        Document doc = Class(12, 20);
        doc.InfoLine[1] = std::string(60, 'i');
        QVERIFY(Find(LayoutSheets(doc, 2, {1, 1, 4, 16}, m), "1007 Noether, Emmy" + Space(9)));
    }

    // Too narrow for a field or too short for a student: nothing printed, and a message saying what to change.
    // Without enough info lines the header and footer are empty; a category listed twice prints twice.
    void pageTooSmallShortInfoAndRepeats() {
        Document doc = Class(3, 4);
        const SheetMetrics m = Measured();
        RecordingPrinter printer;
        std::vector<std::string> told;
        const PrintDialogue dialogue{{}, [&](const std::string& text, const std::string&) { told.push_back(text); }};
        printer.SetScale(400 + 30 * m.CharWidth, m.PageHeight);
        QCOMPARE(PrintMR(doc, 2, {1, 1, 11, 30}, printer, dialogue), SheetOutcome::PageTooSmall);
        printer.SetScale(m.PageWidth, 1400 + 6.5 * (m.CharHeight + 6));
        QCOMPARE(PrintMR(doc, 2, {}, printer, dialogue), SheetOutcome::PageTooSmall);
        QVERIFY(told.size() == 2 && told[0].starts_with("Page too small for Category 2: not one score field") &&
                told[0].find("Landscape") != std::string::npos && told[1].find("not one student") != std::string::npos);
        QVERIFY(printer.RecordsOf(PrintRecord::Kind::Text).empty());

        doc.LastInfo = 2;
        doc.InfoLine.resize(3);
        printer.SetScale(m.PageWidth, m.PageHeight);
        const PrintSummary summary = PrintCategories(doc, {2, 1, 2}, {}, printer, dialogue);
        QVERIFY(summary.Printed == std::vector<int>({2, 2}) &&
                printer.RecordsOf(PrintRecord::Kind::EndDoc).size() == 2);
        QVERIFY(!Find(LayoutSheets(doc, 2, {}, m), "Class Term???"));
    }

    // The grid starts 21 characters from the margin; labels show the number's last two digits and the name; the
    // header band is heavier; rows past the bottom go on at the top of a new page without the title.
    void worksheet() {
        const SheetMetrics m = Measured();
        const Document doc = Class(100, 4);
        const WorksheetFit fit = FitWorksheet({}, m);
        QCOMPARE(fit.GridX, WorksheetLeft + 21 * m.CharWidth);
        const Items items = LayoutWorksheet(doc, 2, {0}, m);
        for (const char* label : {" 7.Noether, Emmy     ", "12.Noether, Emmy     ", "00.Noether, Emmy     "})
            QVERIFY2(Find(items, label), label);
        QCOMPARE(Find(LayoutWorksheet(doc, 2, {0, 1, 4, 2}, m), " 7.123-No  ")->X, WorksheetLeft);
        QCOMPARE(Count(items, ReportItem::NewPage), 2);
        QCOMPARE(Count(items, [](auto& i) { return i.Value == "2. Tests [40%] - {4}"; }), 1);
        const auto page2 =
            std::find_if(items.begin(), items.end(), [](auto& i) { return i.Type == ReportItem::NewPage; });
        QCOMPARE(std::tuple(page2[1].Type, page2[1].Y, page2[1].Thickness), std::tuple(ReportItem::Line, 700.0, 1));

        const Items empty = LayoutWorksheet(Class(0, 4), 2, {0}, m);
        QCOMPARE(Count(empty, ReportItem::Text), 1);
        QCOMPARE(Count(empty, ReportItem::Line), 2 + fit.GridColumns + 1);
        QCOMPARE(Count(empty, [](auto& i) { return i.Thickness == 2; }), 2 + fit.GridColumns);
        QCOMPARE(empty.back().Type, ReportItem::EndDoc);
    }
};

QTEST_MAIN(SheetPrintTest)
#include "SheetPrintTest.moc"
