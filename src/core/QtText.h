#pragma once

#include <QString>
#include <string>
#include <string_view>

// The program keeps texts as UTF-8; Qt works in QString. The one way across, both directions.

inline QString ToQString(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

inline std::string ToUtf8(const QString& text) {
    return text.toStdString();
}
