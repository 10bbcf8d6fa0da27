#pragma once

#include <QString>

namespace markroll {

/// True when MARKROLL_TEST_MODE is set: a service with no scripted answer must not open a modal box.
bool InTestMode();

/// Tells the tester which box was asked for without an answer scripted for it.
void WarnUnscripted(const char* service, const QString& title);

} // namespace markroll
