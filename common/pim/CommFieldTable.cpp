// Row lookup of the common field tables (both builds).
#include "CommFieldTable.h"

const tagCommFieldRow* CommFindFieldRow(const tagCommFieldTable& table, int key) {
    for (int i = 0; i < table.nCount; ++i)
        if (table.pRows[i].info.nKey == key)
            return &table.pRows[i];
    return nullptr;
}
