#include "notesapi/src/OldText.h"

#include "notesapi/src/Lmbcs.h"
#include "notesapi/src/RichTextRecords.h"
#include "notesapi/src/Text.h"
#include "notesapi/src/TextListValue.h"
#include "notesapi/src/Translate.h"
#include "platform/Cp1252.h"

namespace zns {

namespace {

const size_t kMaxRun = 0xffff - kTextRunHeader;

std::string AsString(const uint8_t* bytes, size_t length) {
    return std::string(reinterpret_cast<const char*>(bytes), length);
}

void PutRecordEnd(std::vector<uint8_t>& out) {
    if (out.size() & 1)
        out.push_back(0);
}

// A run of text as one record or, grown past a record's length, several
// with the same font.
void PutTextRuns(const uint8_t* record, const std::string& text, std::vector<uint8_t>& out) {
    size_t at = 0;
    do {
        const size_t n =
            LmbcsCut(reinterpret_cast<const uint8_t*>(text.data()) + at, text.size() - at, kMaxRun);
        PutWord(out, SIG_CD_TEXT);
        PutWord(out, static_cast<uint16_t>(kTextRunHeader + n));
        out.insert(out.end(), record + 4, record + kTextRunHeader);
        out.insert(out.end(), text.begin() + static_cast<std::ptrdiff_t>(at),
                   text.begin() + static_cast<std::ptrdiff_t>(at + n));
        PutRecordEnd(out);
        at += n;
    } while (at < text.size() && at > 0);
}

bool ConvertRichText(const std::vector<uint8_t>& value, std::vector<uint8_t>& out) {
    return ForEachRecord(value.data(), value.size(), [&out](const uint8_t* p, size_t length) {
        if (IsTextRun(p, length)) {
            PutTextRuns(p, LmbcsFromCp1252(AsString(p + kTextRunHeader, length - kTextRunHeader)),
                        out);
            return;
        }
        out.insert(out.end(), p, p + length);
        PutRecordEnd(out);
    });
}

bool ConvertTextList(const std::vector<uint8_t>& value, std::vector<uint8_t>& out) {
    std::vector<TextSpan> spans;
    if (!ReadTextList(value.data(), value.size(), spans))
        return false;
    std::vector<std::string> entries;
    for (const TextSpan& span : spans)
        entries.push_back(LmbcsFromCp1252(AsString(value.data() + span.offset, span.length)));
    return MakeTextList(entries, out);
}

} // namespace

std::string LmbcsFromCp1252(const std::string& text) {
    return TranslateText(TextForm::Utf8, TextForm::Lmbcs, platform::Cp1252ToUtf8(text));
}

std::vector<uint8_t> ConvertOldValue(WORD type, const std::vector<uint8_t>& value) {
    std::vector<uint8_t> out;
    bool whole = true;
    if (type == TYPE_TEXT) {
        const std::string text = LmbcsFromCp1252(AsString(value.data(), value.size()));
        out.assign(text.begin(), text.end());
    } else if (type == TYPE_TEXT_LIST) {
        whole = ConvertTextList(value, out);
    } else if (type == TYPE_COMPOSITE) {
        whole = ConvertRichText(value, out);
    } else {
        whole = false;
    }
    return whole ? out : value;
}

} // namespace zns
