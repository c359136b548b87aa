#include "db/WideSql.h"

#include <sqlite3.h>

#include <cstring>
#include <limits>
#include <string>
#include <type_traits>

#include "db/SqliteUtil.h"
#include "db/WideNumber.h"

namespace {

// The engine hands out the state zeroed and only 8-byte aligned: the 128-bit total is kept as
// bytes and copied in and out.
struct SumState {
    unsigned char whole[sizeof(WideInt)];
    double real;  // every value added as a real number, for a sum that is not whole
    bool any;
    bool notWhole;
};
static_assert(std::is_trivial_v<SumState>);

WideInt WholeOf(const SumState& s) {
    WideInt v;
    std::memcpy(&v, s.whole, sizeof v);
    return v;
}

void SumStep(sqlite3_context* context, int, sqlite3_value** argv) {
    auto* s = static_cast<SumState*>(sqlite3_aggregate_context(context, sizeof(SumState)));
    if (s == nullptr) return sqlite3_result_error_nomem(context);
    const int type = sqlite3_value_numeric_type(argv[0]);
    if (type == SQLITE_NULL) return;
    s->any = true;
    s->real += sqlite3_value_double(argv[0]);
    if (type != SQLITE_INTEGER) {
        s->notWhole = true;
        return;
    }
    const WideInt whole = WholeOf(*s) + sqlite3_value_int64(argv[0]);
    std::memcpy(s->whole, &whole, sizeof whole);
}

void SumFinal(sqlite3_context* context) {
    const auto* s = static_cast<const SumState*>(sqlite3_aggregate_context(context, 0));
    if (s == nullptr || !s->any) return sqlite3_result_null(context);
    if (s->notWhole) return sqlite3_result_double(context, s->real);
    const WideInt whole = WholeOf(*s);
    if (FitsInt64(whole)) return sqlite3_result_int64(context, static_cast<sqlite3_int64>(whole));
    const std::string text = WideText(whole);
    sqlite3_result_text(context, text.c_str(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
}

void AbsFunction(sqlite3_context* context, int, sqlite3_value** argv) {
    sqlite3_value* v = argv[0];
    switch (sqlite3_value_numeric_type(v)) {
        case SQLITE_NULL:
            return sqlite3_result_null(context);
        case SQLITE_INTEGER: {
            const sqlite3_int64 n = sqlite3_value_int64(v);
            if (n == std::numeric_limits<sqlite3_int64>::min()) {
                return sqlite3_result_double(context, -static_cast<double>(n));
            }
            return sqlite3_result_int64(context, n < 0 ? -n : n);
        }
        default: {
            const double d = sqlite3_value_double(v);
            return sqlite3_result_double(context, d < 0 ? -d : d);
        }
    }
}

}  // namespace

void RegisterWideSql(sqlite3* db) {
    constexpr int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    CheckSqlite(db,
                sqlite3_create_function(db, "sum", 1, flags, nullptr, nullptr, SumStep, SumFinal),
                "Registering SUM");
    CheckSqlite(
        db, sqlite3_create_function(db, "abs", 1, flags, nullptr, AbsFunction, nullptr, nullptr),
        "Registering ABS");
}
