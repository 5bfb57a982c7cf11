// What one family of the size and colour windows works on: its table of names and texts, the
// named queries of its windows and the class names of its windows, by which they open each other.
#pragma once

#include "masterdata/sizecolordata.h"

class DataGrid;
class NamedQuery;

struct SizeColorKit {
    const SizeColorFamily& family;
    const char* groupsQuery;     // the groups of the group window
    const char* membersQuery;    // members of the focused group in the group window
    const char* editQuery;       // members of the group in the composition editor
    const char* availableQuery;  // what the editor may add
    const char* groupWindow;
    const char* nameDialog;
    const char* editor;
    const char* addMemberDialog;
    const char* modifyMemberDialog;

    NamedQuery* groups() const { return query(groupsQuery); }
    NamedQuery* members() const { return query(membersQuery); }
    NamedQuery* editMembers() const { return query(editQuery); }
    NamedQuery* available() const { return query(availableQuery); }
    // Opens one of the family's windows modally by its class name.
    static void open(const char* windowClass);

private:
    static NamedQuery* query(const char* name);
};

const SizeColorKit& sizeKit();
const SizeColorKit& colorKit();

// The advice under the barcode code of the member dialogs.
inline const char* const kTmAdvice = "说明：编码用于组建商品条码,建议输入数字";

// Binds a grid to a query of the data module when the window opens (the data module's queries
// may have been replaced since the window was made).
void bindGrid(DataGrid* grid, NamedQuery* query);
