#pragma once

// From libmdb's view of a column and of one field of a row to the stream's column types and
// values.

// Before mdbtools.h, which would pull glib's C++ templates into an extern "C" block. On Windows
// libmdb is built without GLib and carries a small stand-in of its own.
#ifndef _WIN32
#include <glib.h>
#endif
#include <mdbtools.h>

#include <optional>

#include "db/DbValue.h"
#include "db/TableSink.h"

// The stream's column type of a libmdb column type, as stored (see TableSink.h).
ColumnType ColumnTypeOf(int jetType);

// The value of field (of column, in the row on the page in pg_buf), whose row holds rowColumns
// columns; of a calculated column, whose results are of resultType, the result the row keeps.
// Throws (Damaged) for a value that does not fit its page or its type.
DbValue FieldValue(MdbHandle& mdb, const MdbColumn& column, const MdbField& field, int rowColumns,
                   std::optional<int> resultType);
