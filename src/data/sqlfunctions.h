// Functions of the Access dialect that statements of the program use, registered on every
// connection: len, mid, isnumeric, dateadd and format.
#pragma once

struct sqlite3;

void registerSqlFunctions(sqlite3* db);
