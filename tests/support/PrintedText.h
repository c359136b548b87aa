#pragma once

// The text of printed pages as a reader of the PDF gets it, through poppler's pdftotext.

#include <gtest/gtest.h>

#include <QProcess>
#include <QStandardPaths>
#include <QStringList>
#include <algorithm>
#include <cctype>
#include <filesystem>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "core/ViewTexts.h"

// The PDF's text, each page's lines as laid out and a form feed after each page; nullopt when
// pdftotext is not installed.
inline std::optional<std::string> PdfText(const std::filesystem::path& pdf) {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) return std::nullopt;
    QProcess tool;
    tool.start(QStringLiteral("pdftotext"),
               {QStringLiteral("-layout"), QStringLiteral("-enc"), QStringLiteral("UTF-8"),
                QString::fromStdString(pdf.string()), "-"});
    if (!tool.waitForFinished(60000) || tool.exitCode() != 0) return std::string();
    return tool.readAllStandardOutput().toStdString();
}

// The text without its blanks: pdftotext may close up or widen the spaces between words.
inline std::string Squeezed(const std::string& text) {
    std::string squeezed;
    for (const char c : text) {
        if (!std::isspace(static_cast<unsigned char>(c))) squeezed += c;
    }
    return squeezed;
}

inline std::string Squeezed(const std::vector<std::string>& row) {
    std::string squeezed;
    for (const std::string& cell : row) squeezed += Squeezed(cell);
    return squeezed;
}

// Expects every row of grid whole on a line of the pages, and its header row (row 0) on each
// page; returns the number of pages.
inline int ExpectPrintedRows(const std::string& text, const Grid& grid) {
    // pdftotext ends each page with a form feed.
    std::vector<std::string> pages;
    std::size_t start = 0;
    for (std::size_t feed; (feed = text.find('\f', start)) != text.npos; start = feed + 1) {
        pages.push_back(text.substr(start, feed - start));
    }
    if (!Squeezed(text.substr(start)).empty()) pages.push_back(text.substr(start));
    std::vector<std::string> lines;
    for (std::size_t page = 0; page < pages.size(); ++page) {
        std::istringstream in(pages[page]);
        const std::size_t first = lines.size();
        for (std::string line; std::getline(in, line);) lines.push_back(Squeezed(line));
        EXPECT_NE(std::find(lines.begin() + first, lines.end(), Squeezed(grid.at(0))), lines.end())
            << "no header row on page " << page + 1;
    }
    for (std::size_t row = 1; row < grid.size(); ++row) {
        EXPECT_NE(std::find(lines.begin(), lines.end(), Squeezed(grid[row])), lines.end())
            << "row " << row << " is not printed whole";
    }
    return static_cast<int>(pages.size());
}
