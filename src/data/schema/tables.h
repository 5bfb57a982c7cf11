// The description of every table: its columns (type, width, null rule), the rows a new table
// starts with and the indexes it carries. The create statements are made from it (schema.cpp).
#pragma once

#include <QString>
#include <span>

enum class ColumnType : unsigned char {
    Counter,  // autonumber key: ids increase and are never reused
    Varchar,  // text of at most `width` characters, compared case-insensitively
    Text,     // long text, compared case-insensitively
    Money,    // exact to four decimals
    Int,
    Bit,      // yes/no, never NULL, false unless written
    DateTime
};

struct ColumnDef {
    const char* name;
    ColumnType type;
    short width = 0;  // Varchar only
    bool notNull = false;
};

// Rows a new table starts with: one insert per entry of `values` ("'100001','件'"), each
// naming the same `columns` ("dw_sn,dw_name"). Columns not named stay NULL (bits false).
struct DefaultRows {
    const char* columns = nullptr;
    std::span<const char* const> values;
};

// An index with a name of its own, for a statement that names it (`indexed by`), optionally
// over only the rows that satisfy `where` (a partial index; a statement can use it only when
// its own conditions contain that text).
struct IndexDef {
    const char* name;
    const char* columns;
    const char* where = nullptr;
};

struct TableDef {
    const char* name;
    std::span<const ColumnDef> columns;
    DefaultRows rows = {};
    // One index per entry, on the columns it lists ("gl_djh,tid").
    std::span<const char* const> indexes = {};
    std::span<const IndexDef> namedIndexes = {};
};

// The tables by group, each group in its own file.
std::span<const TableDef> settingsTables();
std::span<const TableDef> goodsTables();
std::span<const TableDef> partnerTables();
std::span<const TableDef> billTables();
std::span<const TableDef> stockTables();
std::span<const TableDef> moneyTables();
std::span<const TableDef> memberTables();
std::span<const TableDef> tillTables();
std::span<const TableDef> scratchTables();

// The description of a table by name (case-insensitive); nullptr for an unknown name.
const TableDef* findTable(const QString& name);
