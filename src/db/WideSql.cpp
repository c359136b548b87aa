#include "db/WideSql.h"

#include <sqlite3.h>

#include <cstdint>
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
    std::int64_t values;
    std::int64_t notWhole;
};
static_assert(std::is_trivial_v<SumState>);

// Adds the value (sign 1) or, as a window leaves it behind, takes it away again (sign -1).
void SumAdd(sqlite3_context* context, sqlite3_value* value, int sign) {
    auto* s = static_cast<SumState*>(sqlite3_aggregate_context(context, sizeof(SumState)));
    if (s == nullptr) return sqlite3_result_error_nomem(context);
    const int type = sqlite3_value_numeric_type(value);
    if (type == SQLITE_NULL) return;
    s->values += sign;
    s->real += sign * sqlite3_value_double(value);
    if (type != SQLITE_INTEGER) {
        s->notWhole += sign;
        return;
    }
    WideInt whole;
    std::memcpy(&whole, s->whole, sizeof whole);
    whole += sign * WideInt{sqlite3_value_int64(value)};
    std::memcpy(s->whole, &whole, sizeof whole);
}

void SumStep(sqlite3_context* context, int, sqlite3_value** argv) {
    SumAdd(context, argv[0], 1);
}

void SumInverse(sqlite3_context* context, int, sqlite3_value** argv) {
    SumAdd(context, argv[0], -1);
}

void SumValue(sqlite3_context* context) {
    const auto* s = static_cast<const SumState*>(sqlite3_aggregate_context(context, 0));
    if (s == nullptr || s->values == 0) return sqlite3_result_null(context);
    if (s->notWhole != 0) return sqlite3_result_double(context, s->real);
    WideInt whole;
    std::memcpy(&whole, s->whole, sizeof whole);
    if (FitsInt64(whole)) return sqlite3_result_int64(context, static_cast<sqlite3_int64>(whole));
    const std::string text = WideText(whole);
    sqlite3_result_text(context, text.c_str(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
}

void AbsFunction(sqlite3_context* context, int, sqlite3_value** argv) {
    sqlite3_value* v = argv[0];
    switch (sqlite3_value_type(v)) {
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
    // A window function too, as the engine's sum is.
    CheckSqlite(db,
                sqlite3_create_window_function(db, "sum", 1, flags, nullptr, SumStep, SumValue,
                                               SumValue, SumInverse, nullptr),
                "Registering SUM");
    CheckSqlite(
        db, sqlite3_create_function(db, "abs", 1, flags, nullptr, AbsFunction, nullptr, nullptr),
        "Registering ABS");
}
