#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "core/DisplayLocale.h"
#include "db/Database.h"
#include "support/TempDir.h"

// A database written by write into a fresh temporary directory and connected as gConn, shown with
// the fixed English locale; disconnected and removed again on destruction.
class ConnectedDuzedo {
  public:
    ConnectedDuzedo(const std::string& label, const std::function<void(const std::string&)>& write);
    ~ConnectedDuzedo();
    ConnectedDuzedo(const ConnectedDuzedo&) = delete;
    ConnectedDuzedo& operator=(const ConnectedDuzedo&) = delete;

    bool connected() const { return connected_; }
    const std::string& error() const { return error_; }

  private:
    TempDir dir_;
    bool connected_ = false;
    std::string error_;
};

// A test suite sharing one database, written by Write before its first test and connected until
// after its last; each test stops at once when the connection failed.
template <void (*Write)(const std::string&)>
class ConnectedSuite : public testing::Test {
  protected:
    static void SetUpTestSuite() { db_ = std::make_unique<ConnectedDuzedo>("suite", Write); }
    static void TearDownTestSuite() { db_.reset(); }
    void SetUp() override { ASSERT_TRUE(db_->connected()) << db_->error(); }

  private:
    static inline std::unique_ptr<ConnectedDuzedo> db_;
};
