// On-disk forms of the rich-text records: little-endian, packed.
#include "notesapi/src/Api.h"

#include <cstring>

namespace {

class OdsWriter {
public:
    explicit OdsWriter(unsigned char* out) : m_out(out) {}
    void Byte(BYTE v) { *m_out++ = v; }
    void Word(WORD v) {
        Byte(static_cast<BYTE>(v & 0xff));
        Byte(static_cast<BYTE>(v >> 8));
    }
    void Dword(DWORD v) {
        Word(static_cast<WORD>(v & 0xffff));
        Word(static_cast<WORD>(v >> 16));
    }
    void Bsig(const BSIG& s) {
        Byte(s.Signature);
        Byte(s.Length);
    }
    void Wsig(const WSIG& s) {
        Word(s.Signature);
        Word(s.Length);
    }
    unsigned char* Position() const { return m_out; }

private:
    unsigned char* m_out;
};

void WritePabDefinition(OdsWriter& w, const CDPABDEFINITION& r) {
    w.Wsig(r.Header);
    w.Word(r.PABID);
    w.Word(r.JustifyMode);
    w.Word(r.LineSpacing);
    w.Word(r.ParagraphSpacingBefore);
    w.Word(r.ParagraphSpacingAfter);
    w.Word(r.LeftMargin);
    w.Word(r.RightMargin);
    w.Word(r.FirstLineLeftMargin);
    w.Word(r.Tabs);
    for (SWORD tab : r.Tab)
        w.Word(static_cast<WORD>(tab));
    w.Word(r.Flags);
    w.Dword(r.TabTypes);
    w.Word(r.Flags2);
}

// Writes one record of `type` from `src`; returns the size of the in-memory
// structure, 0 for a type the stand-in does not know.
size_t WriteRecord(OdsWriter& w, WORD type, const void* src) {
    switch (type) {
    case _CDPABDEFINITION: {
        CDPABDEFINITION r;
        std::memcpy(&r, src, sizeof r);
        WritePabDefinition(w, r);
        return sizeof r;
    }
    case _CDPARAGRAPH: {
        CDPARAGRAPH r;
        std::memcpy(&r, src, sizeof r);
        w.Bsig(r.Header);
        return sizeof r;
    }
    case _CDPABREFERENCE: {
        CDPABREFERENCE r;
        std::memcpy(&r, src, sizeof r);
        w.Bsig(r.Header);
        w.Word(r.PABID);
        return sizeof r;
    }
    case _CDTEXT: {
        CDTEXT r;
        std::memcpy(&r, src, sizeof r);
        w.Wsig(r.Header);
        w.Dword(r.FontID);
        return sizeof r;
    }
    default:
        return 0;
    }
}

} // namespace

WORD LNPUBLIC ODSLength(WORD type) {
    switch (type) {
    case _CDPABDEFINITION:
        return 70;
    case _CDPARAGRAPH:
        return 2;
    case _CDPABREFERENCE:
        return 4;
    case _CDTEXT:
        return 8;
    default:
        return 0;
    }
}

void LNPUBLIC ODSWriteMemory(void* ppDest, WORD type, const void* pSrc, WORD iterations) {
    if (!ppDest || !pSrc || ODSLength(type) == 0)
        return;
    unsigned char** dest = static_cast<unsigned char**>(ppDest);
    if (!*dest)
        return;
    OdsWriter w(*dest);
    const unsigned char* src = static_cast<const unsigned char*>(pSrc);
    for (WORD i = 0; i < iterations; ++i)
        src += WriteRecord(w, type, src);
    *dest = w.Position();
}

void LNPUBLIC ConvertIEEEToDouble(void* source, void* destination) {
    if (source && destination)
        std::memmove(destination, source, sizeof(NUMBER));
}
