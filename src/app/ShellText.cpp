#include "app/ShellText.h"

#include "document/Document.h"
#include "document/TextNumber.h"

namespace markroll {

namespace {

// Three blanks part the version from the file name in every caption.
const QString CaptionGap = QStringLiteral("   ");

} // namespace

QString MainCaption(const QString& fileName) {
    return QString::fromLatin1(AppName) + QStringLiteral(" v") + QString::fromLatin1(AppVersion) + CaptionGap +
           fileName;
}

QString SavedAsCaption(const QString& fileName) {
    return QStringLiteral("MarkRoll v") + QString::fromLatin1(AppVersion) + CaptionGap + fileName;
}

QString SaveChangesQuestion(const QString& fileName) {
    return QStringLiteral("Save changes to %1 ?").arg(fileName);
}

std::string CreateConfirmation(int cats, int students) {
    return "Create New Markroll With:\n" + NumText(cats) + " Catagories\n" + NumText(students) + " Students";
}

std::string AboutVersionText() {
    return "Version" + NumText(VersionMajor) + "." + NumText(VersionMinor) + "." + NumText(VersionRevision);
}

} // namespace markroll
