#pragma once

#include <string>
#include <vector>

#include "db/DbValue.h"

// The tables of a database file as they pass from whoever reads the file to whoever keeps them;
// the Access reader process writes them too, so this stays free of the engine.

// Column types of an Access file. The program loads the first nine, those of the DUZEDO; the
// others come from the Access reader alone, for conversions that keep every value as stored.
enum class ColumnType {
    Text,
    Memo,
    Byte,
    Integer16,
    Integer32,
    YesNo,
    Real,
    Currency,  // as stored, decimal text like Decimal
    DateTime,
    BigInteger,    // Large Number
    Decimal,       // values as decimal text
    ExtendedDate,  // Date/Time Extended
    Guid,          // replication ID, "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}"
    Binary,        // values as text holding their bytes
    Ole,           // likewise, the object with its header
};

struct ColumnDef {
    std::string name;
    ColumnType type = ColumnType::Text;
};

// Receives one table after the other, in the file's order, each with its rows in stored order.
// Values follow the engine's conventions: yes/no as -1/0, dates as DbValue::date.
class TableSink {
  public:
    virtual ~TableSink() = default;
    virtual void beginTable(const std::string& name, const std::vector<ColumnDef>& columns) = 0;
    virtual void addRow(const std::vector<DbValue>& row) = 0;
    virtual void endTable() = 0;
    // Something of the file that was left out, and why, said for the user.
    virtual void note(const std::string&) {}
};
