#pragma once

#include <memory>

class QGuiApplication;

namespace markroll {

/// While it lives, `markroll-cli order` and `markroll-cli print` can print: on the default printer, or into a PDF
/// file (and `print` as text). The toolkit is started only when something is printed, without a display.
class PrintingSupport {
public:
    PrintingSupport(int& argc, char** argv);
    ~PrintingSupport();
    PrintingSupport(const PrintingSupport&) = delete;
    PrintingSupport& operator=(const PrintingSupport&) = delete;

private:
    std::unique_ptr<QGuiApplication> m_app;
};

} // namespace markroll
