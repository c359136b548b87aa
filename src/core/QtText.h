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

// Text from the database as a web page or an XML picture can hold it: control characters but the
// tab and line breaks become the replacement character, as do bytes that are not UTF-8. XML 1.0
// also refuses the two noncharacters, and a picture's text has no line to break.
enum class TextFor { Html, Xml };

inline QString ShowableText(std::string_view text, TextFor place) {
    QString clean = ToQString(text);
    const bool xml = place == TextFor::Xml;
    for (QChar& c : clean) {
        const char16_t u = c.unicode();
        const bool lineBreak = u == u'\n' || u == u'\r' || u == 0x2028 || u == 0x2029;
        const bool control = (u < 0x20 && u != u'\t' && !lineBreak) || (u >= 0x7F && u < 0xA0);
        if (control || (xml && (lineBreak || u == 0xFFFE || u == 0xFFFF))) {
            c = QChar::ReplacementCharacter;
        }
    }
    return clean;
}
