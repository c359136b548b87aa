#pragma once

#include <QJsonDocument>
#include <QJsonValue>
#include <string>
#include <string_view>

// The text of the file name of tests/data; throws when there is none.
std::string TestData(std::string_view name);
// The same read as JSON; throws when it does not parse.
QJsonDocument TestJson(std::string_view name);
// A JSON value's text, as UTF-8.
inline std::string JsonText(const QJsonValue& value) {
    return value.toString().toStdString();
}

// Writes at path, replacing any file there, the SQLite DUZEDO that the script tests/data/script
// makes, then runs the statements of more on it.
void WriteSqlDuzedo(const std::string& path, std::string_view script, const std::string& more = "");
