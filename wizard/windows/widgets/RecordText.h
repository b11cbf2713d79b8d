// A common record's fields by catalogue key, as the kind's manager writes
// them: the one way the record lists and the detail dialogs read a record.
#pragma once
#include <cstddef>

#include <QString>

#include "common/pim/CommFieldInfo.h"

// Writes the text of field `key` of `record` into `buffer`; false when the
// field has none (the buffer is then empty).
typedef bool (*RecordTextFn)(const void* record, int key, char* buffer, std::size_t size);

template <class Mgr, class Rec>
bool RecordText(const void* record, int key, char* buffer, std::size_t size) {
    tagCommFieldInfo row;
    if (!Mgr::GetCommFieldInfo(key, &row)) {
        if (buffer && size)
            buffer[0] = '\0';
        return false;
    }
    return Mgr::GetCommFieldText(static_cast<const Rec*>(record), &row, buffer, size);
}

// The text read into a buffer of `size` bytes.
QString RecordQText(RecordTextFn text, const void* record, int key, std::size_t size);
