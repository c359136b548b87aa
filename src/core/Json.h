#pragma once

#include <string>
#include <string_view>

// Appends s as a JSON string literal, quotes included; invalid UTF-8 becomes U+FFFD, so what a
// database holds can never break the document.
void AppendJsonString(std::string& out, std::string_view s);

// Appends a number as JSON writes it, shortest exact form; a value that is not finite is null.
void AppendJsonNumber(std::string& out, double value);
