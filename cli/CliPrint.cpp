#include "CliPrint.h"

#include <QGuiApplication>
#include <memory>

#include "CliCommands.h"
#include "platform/QtPrinter.h"
#include "reports/ReportPrinter.h"

namespace markroll {

PrintingSupport::PrintingSupport(int& argc, char** argv) {
    SetListingPrinter([this, &argc, argv](const Document& doc, const ListingSpec& spec,
                                          const std::string& pdfPath) -> std::optional<std::string> {
        // Fonts and printers need the toolkit; a script on a server has no display, so none is asked for.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        if (!QGuiApplication::instance())
            m_app = std::make_unique<QGuiApplication>(argc, argv);
        const QString title = QStringLiteral("Order by Field Values");
        std::unique_ptr<QtPrinter> printer = pdfPath.empty()
                                                 ? QtPrinter::ForSystemPrinter({}, title)
                                                 : QtPrinter::ForPdfFile(QString::fromLocal8Bit(pdfPath), title);
        if (!printer)
            return std::string("no printer is set up on this computer (try --pdf FILE)");
        PrintListing(doc, spec, *printer);
        printer->Finish();
        if (printer->Failed())
            return pdfPath.empty() ? std::string("the printer could not be reached")
                                   : pdfPath + ": the file could not be written";
        return std::nullopt;
    });
}

PrintingSupport::~PrintingSupport() {
    SetListingPrinter({});
}

} // namespace markroll
