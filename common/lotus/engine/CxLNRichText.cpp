#include "CxLNRichText.h"

#include <cstring>
#include <strings.h>
#include <vector>

#include "common/lotus/binding/CxLNApi.h"
#include "common/lotus/binding/CxLNLmbcs.h"
#include "common/misc/CxDebugUtil.h"
#include "common/misc/CxString.h"

namespace {

const BYTE kTextRecord = SIG_CD_TEXT & 0xff;
const BYTE kParagraphRecord = SIG_CD_PARAGRAPH & 0xff;
const std::size_t kTextHeader = 8;
// A text run's length is a WORD that covers its header.
const std::size_t kMaxRun = MAXWORD - kTextHeader;

WORD ReadWord(const unsigned char* p) {
    return static_cast<WORD>(p[0] | (p[1] << 8));
}

// Collects characters into a bounded, terminated buffer.
class CxLNTextSink {
public:
    CxLNTextSink(char* text, std::size_t size) : m_text(text), m_size(size) {
        if (m_size)
            m_text[0] = '\0';
    }
    void Put(char c) {
        if (m_used + 1 < m_size) {
            m_text[m_used++] = c;
            m_text[m_used] = '\0';
        }
    }
    void Break() {
        Put('\r');
        Put('\n');
    }

private:
    char* m_text;
    std::size_t m_size;
    std::size_t m_used = 0;
};

// Length of the record at `p` (header included), 0 when malformed. The
// signature's high byte tells the header: 0xFF a WORD length, 0 a DWORD
// length, anything else is itself the length.
std::size_t RecordLength(const unsigned char* p, std::size_t left) {
    if (left < 2)
        return 0;
    const BYTE high = p[1];
    std::size_t length = high;
    if (high == 0xff) {
        if (left < 4)
            return 0;
        length = ReadWord(p + 2);
    } else if (high == 0) {
        if (left < 6)
            return 0;
        length = ReadWord(p + 2) | (static_cast<std::size_t>(ReadWord(p + 4)) << 16);
    }
    return length >= 2 && length <= left ? length : 0;
}

struct tagFoundItem {
    const char* szName;
    bool bFound;
    WORD nType;
    std::string value;
};

STATUS LNCALLBACK FindItem(WORD, WORD, char* name, WORD nameLength, void* value, DWORD valueLength,
                           void* param) {
    tagFoundItem* found = static_cast<tagFoundItem*>(param);
    if (found->bFound || !name || !value || valueLength < sizeof(WORD))
        return NOERROR;
    if (std::strlen(found->szName) != nameLength ||
        strncasecmp(found->szName, name, nameLength) != 0)
        return NOERROR;
    found->bFound = true;
    std::memcpy(&found->nType, value, sizeof found->nType);
    found->value.assign(static_cast<const char*>(value) + sizeof(WORD), valueLength - sizeof(WORD));
    return NOERROR;
}

void DeleteItems(NOTEHANDLE note, const char* item) {
    const WORD length = static_cast<WORD>(std::strlen(item));
    // Each call deletes one; a note holds finitely many.
    while (LNApi().NSFItemDelete(note, item, length) == NOERROR) {
    }
}

} // namespace

void LNRichTextToText(const char* value, std::size_t length, char* text, std::size_t size) {
    CxLNTextSink sink(text, size);
    if (!value)
        return;
    const unsigned char* p = reinterpret_cast<const unsigned char*>(value);
    bool hadParagraph = false;
    std::size_t at = 0;
    while (at < length) {
        const std::size_t record = RecordLength(p + at, length - at);
        if (record == 0)
            return;
        if (p[at] == kParagraphRecord && p[at + 1] == 2) {
            if (hadParagraph)
                sink.Break();
            hadParagraph = true;
        } else if (p[at] == kTextRecord && p[at + 1] == 0xff && record >= kTextHeader) {
            std::size_t replaced = 0;
            const std::string run =
                LNFromLmbcs(value + at + kTextHeader, record - kTextHeader, &replaced);
            if (replaced > 0)
                CX_LOG_ERROR("%u character(s) of rich text have no form in code page 1252 and "
                             "read as '?'",
                             static_cast<unsigned>(replaced));
            for (char c : run)
                if (c == '\0')
                    sink.Break();
                else
                    sink.Put(c);
        }
        at += record + (record & 1);
    }
}

std::string LNTextToRichText(const char* text) {
    if (!LNApi().ODSLength || !LNApi().ODSWriteMemory)
        return std::string();
    std::string body;
    for (const char* c = text ? text : ""; *c; ++c)
        if (*c != '\r')
            body += *c == '\n' ? '\0' : *c;
    // The run's length counts its LMBCS bytes.
    body = LNToLmbcs(body);
    body.resize(LNLmbcsCut(body.data(), body.size(), kMaxRun));

    CDPABDEFINITION definition = {};
    definition.Header = {SIG_CD_PABDEFINITION, LNApi().ODSLength(_CDPABDEFINITION)};
    definition.PABID = 1;
    definition.LeftMargin = 1440;
    definition.FirstLineLeftMargin = 1440;
    definition.Tab[0] = 720;
    CDPABREFERENCE reference = {};
    reference.Header = {SIG_CD_PABREFERENCE & 0xff,
                        static_cast<BYTE>(LNApi().ODSLength(_CDPABREFERENCE))};
    reference.PABID = 1;
    CDPARAGRAPH paragraph = {};
    paragraph.Header = {SIG_CD_PARAGRAPH & 0xff,
                        static_cast<BYTE>(LNApi().ODSLength(_CDPARAGRAPH))};
    CDTEXT run = {};
    run.Header = {SIG_CD_TEXT, static_cast<WORD>(LNApi().ODSLength(_CDTEXT) + body.size())};
    run.FontID = 0x0A000001; // swiss, plain, black, 10 point

    const std::size_t records = LNApi().ODSLength(_CDPABDEFINITION) +
                                LNApi().ODSLength(_CDPABREFERENCE) +
                                LNApi().ODSLength(_CDPARAGRAPH) + LNApi().ODSLength(_CDTEXT);
    std::vector<char> buffer(records + body.size() + 1, '\0');
    char* position = buffer.data();
    LNApi().ODSWriteMemory(&position, _CDPABDEFINITION, &definition, 1);
    LNApi().ODSWriteMemory(&position, _CDPABREFERENCE, &reference, 1);
    LNApi().ODSWriteMemory(&position, _CDPARAGRAPH, &paragraph, 1);
    LNApi().ODSWriteMemory(&position, _CDTEXT, &run, 1);
    std::size_t used = static_cast<std::size_t>(position - buffer.data());
    if (used != records)
        return std::string();
    std::memcpy(position, body.data(), body.size());
    used += body.size();
    used += used & 1; // records start on even offsets
    return std::string(buffer.data(), used);
}

LNBodyType LNReadBody(NOTEHANDLE note, const char* item, char* text, std::size_t size) {
    if (size)
        text[0] = '\0';
    tagFoundItem found = {item, false, 0, std::string()};
    LNApi().NSFItemScan(note, FindItem, &found);
    if (!found.bFound)
        return LN_BODY_NONE;
    if (found.nType == TYPE_COMPOSITE) {
        LNRichTextToText(found.value.data(), found.value.size(), text, size);
        return LN_BODY_RICH_TEXT;
    }
    if (found.nType != TYPE_TEXT)
        return LN_BODY_OTHER;
    const std::size_t end = found.value.find('\0');
    CxStrCopyN(text, size, found.value.data(), end == std::string::npos ? found.value.size() : end);
    return LN_BODY_TEXT;
}

void LNWriteRichTextItem(const tagLNItemWriter& writer, const char* item, const char* body,
                         std::size_t capacity) {
    if (!body || !*body || capacity == 0)
        return;
    std::vector<char> stored(capacity, '\0');
    LNReadBody(writer.hNote, item, stored.data(), stored.size());
    if (std::strcmp(stored.data(), body) == 0)
        return;
    const std::string value = LNTextToRichText(body);
    if (value.empty())
        return;
    DeleteItems(writer.hNote, item);
    STATUS status =
        LNApi().NSFItemAppend(writer.hNote, 0, item, static_cast<WORD>(std::strlen(item)),
                              TYPE_COMPOSITE, value.data(), static_cast<DWORD>(value.size()));
    if (status != NOERROR)
        CX_LOG_ERROR("Failed to call NSFItemAppend, error code=%d", status);
}
