#include "platform/qt_text.h"

#include "platform/windows1252.h"

namespace xal::gui {

QString ToQString(const std::string& bytes) {
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (char byte : bytes)
        text +=
            QChar(static_cast<char16_t>(windows1252::ToUnicode(static_cast<unsigned char>(byte))));
    return text;
}

std::string FromQString(const QString& text) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (QChar c : text) {
        auto byte = windows1252::FromUnicode(c.unicode());
        bytes += static_cast<char>(byte ? *byte : '?');
    }
    return bytes;
}

}  // namespace xal::gui
