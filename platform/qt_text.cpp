// SPDX-License-Identifier: MIT
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

std::optional<std::string> CodePageText(const QString& text) {
    return windows1252::FromUtf8(text.toStdString());
}

QString Utf8ToQString(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

std::string QStringToUtf8(const QString& text) {
    return text.toStdString();
}

}  // namespace xal::gui
