// SPDX-License-Identifier: MIT
#include "gui/widgets/qt_text.h"

#include <QStringList>
#include <filesystem>
#include <system_error>

#include "core/base/windows1252.h"

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

std::string FileSystemPath(const QString& shown) {
#ifndef _WIN32
    if (shown.contains(QChar::ReplacementCharacter)) {
        std::filesystem::path found = shown.startsWith('/') ? "/" : ".";
        for (const QString& part : shown.split('/', Qt::SkipEmptyParts)) {
            std::string name = QStringToUtf8(part);
            std::error_code ec;
            int matches = 0;
            if (part.contains(QChar::ReplacementCharacter))
                for (std::filesystem::directory_iterator entry(found, ec), end; !ec && entry != end;
                     entry.increment(ec)) {
                    const std::string own = entry->path().filename().string();
                    if (QString::fromStdString(own) == part && ++matches == 1) name = own;
                }
            found /= matches > 1 ? QStringToUtf8(part) : name;
        }
        return found.string();
    }
#endif
    return QStringToUtf8(shown);
}

}  // namespace xal::gui
