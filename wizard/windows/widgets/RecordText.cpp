#include "RecordText.h"

#include <vector>

#include "wizard/windows/widgets/AnsiText.h"

QString RecordQText(RecordTextFn text, const void* record, int key, std::size_t size) {
    if (!record || size == 0)
        return QString();
    std::vector<char> buffer(size);
    text(record, key, buffer.data(), buffer.size());
    buffer.back() = '\0';
    return FromAnsi(buffer.data());
}
