// The sample DUZEDO and the site duzedo writes of it, for tests that hold pages against the
// reports of the same views.
#pragma once

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <filesystem>
#include <map>
#include <memory>
#include <sstream>
#include <string>

#include "duzedo/Report.h"
#include "support/DuzedoTool.h"
#include "support/FileBytes.h"
#include "support/SampleDb.h"
#include "support/TempDir.h"

class SampleSite : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        dir_ = std::make_unique<TempDir>("site-sample");
        db_ = (*dir_ / "duzedo.sqlite").string();
        WriteSampleDb(db_);
        written_ = RunDuzedoTool({"site", db_, "--out", Site().string(), "--base-url", kBaseUrl});
    }
    static void TearDownTestSuite() { dir_.reset(); }
    void SetUp() override {
        if (!std::filesystem::exists(DuzedoToolPath())) {
            GTEST_SKIP() << "duzedo is not built beside the tests";
        }
        ASSERT_EQ(written_, 0);
    }

    static constexpr const char* kBaseUrl = "https://example.org/vpa";
    static std::filesystem::path Site() { return *dir_ / "site"; }
    static std::string Page(const std::string& path) { return ReadBytes((Site() / path).string()); }
    static std::string ReportText(const std::string& view, const ReportOptions& options) {
        std::ostringstream out;
        RunReport(view, db_, options, out);
        return out.str();
    }

    // The report's JSON object.
    static QJsonObject ReportJson(const std::string& view, const ReportOptions& options = {}) {
        return QJsonDocument::fromJson(QByteArray::fromStdString(ReportText(view, options)))
            .object();
    }
    // A list of the report (an array of texts), and a grid (an array of rows of texts), as the
    // tests read a page's lists and tables.
    static Texts JsonTexts(const QJsonValue& list) {
        Texts texts;
        for (const QJsonValue& text : list.toArray())
            texts.push_back(text.toString().toStdString());
        return texts;
    }
    static Grid JsonGrid(const QJsonValue& rows) {
        Grid grid;
        for (const QJsonValue& row : rows.toArray()) grid.push_back(JsonTexts(row));
        return grid;
    }
    // The site's pages.json.
    static QJsonArray PagesJson() {
        return QJsonDocument::fromJson(QByteArray::fromStdString(Page("pages.json"))).array();
    }

    // The CSV a page offers for its table id: the file beside the page, or the one its link holds.
    static std::string TableCsvText(const std::string& pagePath, const std::string& id) {
        const std::string page = Page(pagePath);
        const std::filesystem::path path(pagePath);
        const std::size_t name =
            page.find("download=\"" + path.stem().string() + "." + id + ".csv");
        if (name == std::string::npos) return {};
        const std::size_t start = page.rfind("href=\"", name) + 6;
        const std::string href = page.substr(start, page.find('"', start) - start);
        constexpr std::string_view kData = "data:text/csv;charset=utf-8,";
        if (!href.starts_with(kData)) return Page((path.parent_path() / href).string());
        return QByteArray::fromPercentEncoding(QByteArray::fromStdString(href.substr(kData.size())))
            .toStdString();
    }

    // The path of each page of pages.json by its name, for one kind of page.
    static std::map<std::string, std::string> PagePaths(const QString& kind) {
        std::map<std::string, std::string> paths;
        for (const QJsonValue& page : PagesJson()) {
            if (page["kind"].toString() != kind) continue;
            paths[page["name"].toString().toStdString()] = page["path"].toString().toStdString();
        }
        return paths;
    }

    static inline std::unique_ptr<TempDir> dir_;
    static inline std::string db_;
    static inline int written_ = -1;
};
