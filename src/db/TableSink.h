#pragma once

#include <string>
#include <vector>

#include "db/DbValue.h"

// The tables of a database file as they pass from whoever reads the file to whoever keeps them;
// the Access reader process writes them too, so this stays free of the engine.

// Column types of the DUZEDO, as an Access file stores them.
enum class ColumnType { Text, Memo, Byte, Integer16, Integer32, YesNo, Real, Currency, DateTime };

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
};
