#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>

#include "duzedo/Report.h"
#include "support/TempDir.h"

// Tests of `duzedo report` on a database that Write makes once for the whole suite.
template <void (*Write)(const std::string&)>
class ReportSuite : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        dir_ = std::make_unique<TempDir>("report");
        db_ = (*dir_ / "duzedo.mdb").string();
        Write(db_);
    }
    static void TearDownTestSuite() { dir_.reset(); }

    static std::string Run(const std::string& view, const ReportOptions& options) {
        std::ostringstream out;
        RunReport(view, db_, options, out);
        return out.str();
    }

    static inline std::unique_ptr<TempDir> dir_;
    static inline std::string db_;
};
