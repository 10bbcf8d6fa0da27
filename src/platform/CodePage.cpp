#include "platform/Platform.h"

#include "document/CodePage.h"

namespace markroll {

QString FromBytes(std::string_view bytes) {
    QString text(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        *out++ = QChar(UnicodeOf(byte));
    }
    return text;
}

std::string ToBytes(const QString& text, bool* ok) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    bool all = true;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int byte = CodePageByteOf(text[i].unicode());
        if (byte < 0) {
            all = false;
            // A character outside the basic plane is one character to the user, so it becomes one "?".
            if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
                ++i;
            }
        }
        bytes.push_back(static_cast<char>(byte < 0 ? '?' : byte));
    }
    if (ok) {
        *ok = all;
    }
    return bytes;
}

bool Representable(QChar ch) {
    return CodePageByteOf(ch.unicode()) >= 0;
}

} // namespace markroll
