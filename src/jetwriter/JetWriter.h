#pragma once

#include <memory>
#include <string>
#include <vector>

#include "db/DbFile.h"

// Writes tables into a new Access file (Jet 4, 4 KiB pages) at path, replacing any file there.
// Each table keeps its columns, column types and rows in the order they are added; readers of
// the format (this program, libmdb and its tools) see exactly those. No indexes, no queries,
// nothing encrypted. The file is built as path + ".partial" and renamed into place by finish();
// a writer destroyed before that, or after a failure, removes it. Throws DbError when a value
// does not fit its column, a row does not fit a page or the file cannot be written.
class JetFileWriter : public TableSink {
  public:
    explicit JetFileWriter(const std::string& path);
    ~JetFileWriter() override;
    JetFileWriter(const JetFileWriter&) = delete;
    JetFileWriter& operator=(const JetFileWriter&) = delete;

    void beginTable(const std::string& name, const std::vector<ColumnDef>& columns) override;
    void addRow(const std::vector<DbValue>& row) override;
    void endTable() override;
    void finish();

  private:
    struct State;
    std::unique_ptr<State> state_;
};
