#include "platform/TestMode.h"

#include <QtGlobal>
#include <cstdio>

namespace markroll {

bool InTestMode() {
    // Read each time, so a test can switch the real boxes on for a moment.
    return !qEnvironmentVariableIsEmpty("MARKROLL_TEST_MODE");
}

void WarnUnscripted(const char* service, const QString& title) {
    std::fprintf(
        stderr,
        "MARKROLL_TEST_MODE: %s \"%s\" was asked for with no answer scripted; not shown, answered as cancelled\n",
        service, qUtf8Printable(title));
}

} // namespace markroll
