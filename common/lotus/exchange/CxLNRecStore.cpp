#include "CxLNRecStore.h"

#include <cstdlib>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

#include "common/lotus/exchange/CxLNFileFields.h"
#include "common/lotus/exchange/CxLNRecHash.h"
#include "common/lotus/exchange/CxLNRecList.h"
#include "common/lotus/exchange/CxLNRecords.h"
#include "common/misc/CxDebugUtil.h"
#include "common/misc/CxFile.h"

namespace {

// Changed records are kept in blocks of this size (larger records in one of their own).
const std::size_t kHeldBlockBytes = 4 << 20;
// What a first look at a record reads; a longer one is read again, larger.
const std::size_t kFirstRead = 16 * 1024;

int32_t LittleEndian(const unsigned char* bytes) {
    return static_cast<int32_t>(static_cast<uint32_t>(bytes[0]) |
                                static_cast<uint32_t>(bytes[1]) << 8 |
                                static_cast<uint32_t>(bytes[2]) << 16 |
                                static_cast<uint32_t>(bytes[3]) << 24);
}

// Every kind's record starts with nAction and nOrigin.
void ReadHeader(const void* rec, int32_t* action, int32_t* origin) {
    std::memcpy(action, rec, sizeof *action);
    std::memcpy(origin, static_cast<const unsigned char*>(rec) + sizeof *action, sizeof *origin);
}

void WriteHeader(void* rec, int32_t action, int32_t origin) {
    std::memcpy(rec, &action, sizeof action);
    std::memcpy(static_cast<unsigned char*>(rec) + sizeof action, &origin, sizeof origin);
}

void** LinkAt(void* record, std::size_t offset) {
    return reinterpret_cast<void**>(static_cast<unsigned char*>(record) + offset);
}

} // namespace

CxLNRecStore::CxLNRecStore(const tagLNRecShape& shape) : m_shape(shape) {}

CxLNRecStore::~CxLNRecStore() {
    Clear();
}

void CxLNRecStore::Clear() {
    m_slots.clear();
    m_file.Close();
    m_stream.Begin(nullptr); // closes a stream that did not end
    m_held.clear();
    m_nHeldUsed = m_nHeldBlock = 0;
    m_sDamage.clear();
    m_bStreamFailed = false;
    m_bStreamed = false;
}

bool CxLNRecStore::Open(const char* path, std::size_t recordBytes, bool workOnly,
                        const tagLNFileTexts& texts) {
    Clear();
    if (!m_file.Open(path)) {
        CX_LOG_ERROR(texts.szLoadOpenFailed, path);
        return false;
    }
    std::size_t available = 0;
    const unsigned char* head = m_file.Read(0, 4, &available);
    const int32_t count = available >= 4 ? LittleEndian(head) : 0;
    if (!LNCountFits(path, count, m_file.Size(), recordBytes, texts)) {
        m_file.Close();
        return false;
    }
    int64_t at = 4;
    bool complete = true;
    for (int32_t i = 0; complete && i < count; ++i)
        IndexRecord_(&at, Scratch_(), workOnly, &complete);
    return LNLoadEnded(path, count, complete, texts);
}

// One record from `at` on: its slot, unless the write-back has no work
// for it and only such records are wanted.
bool CxLNRecStore::IndexRecord_(int64_t* at, void* scratch, bool workOnly, bool* complete) {
    std::size_t available = 0, used = 0;
    const unsigned char* bytes = nullptr;
    for (std::size_t need = kFirstRead;; need *= 2) {
        std::memset(scratch, 0, m_shape.nRecSize);
        bytes = m_file.Read(*at, need, &available);
        used = bytes ? LNDecodeFields(bytes, available, scratch, m_shape.pFields,
                                      m_shape.nFieldCount, complete)
                     : 0;
        if (!bytes)
            *complete = m_shape.nFieldCount == 0;
        if (*complete || *at + static_cast<int64_t>(available) >= m_file.Size())
            break;
    }
    if (!*complete || used > UINT32_MAX) {
        *complete = false;
        return false;
    }
    tagLNRecSlot slot;
    slot.nAt = *at;
    slot.nBytes = static_cast<uint32_t>(used);
    slot.nHash = CxLNRecHash::Of(bytes, used);
    ReadHeader(scratch, &slot.nAction, &slot.nOrigin);
    *at += static_cast<int64_t>(used);
    if (!workOnly || LNHasWork(slot.nAction, slot.nOrigin))
        m_slots.push_back(slot);
    return true;
}

bool CxLNRecStore::BeginStream(const char* folder) {
    Clear();
    if (!m_stream.Begin(folder))
        return false;
    const int reader = dup(m_stream.Fd());
    if (reader < 0) {
        m_stream.Begin(nullptr);
        return false;
    }
    m_file.Adopt(reader, 0);
    return true;
}

const tagLNRecSlot* CxLNRecStore::Append(const void* rec, bool withComm) {
    m_bytes.clear();
    LNEncodeFields(rec, m_shape.pFields, m_shape.nFieldCount, &m_bytes);
    const int64_t at = m_stream.Append(m_bytes);
    if (at < 0) {
        m_bStreamFailed = true;
        return nullptr;
    }
    tagLNRecSlot slot;
    slot.bNoComm = !withComm;
    slot.nAt = at;
    slot.nBytes = static_cast<uint32_t>(m_bytes.size());
    slot.nHash = CxLNRecHash::Of(m_bytes.data(), m_bytes.size());
    slot.nCanonical = 1;
    ReadHeader(rec, &slot.nAction, &slot.nOrigin);
    KeepExtras_(slot, rec);
    m_slots.push_back(slot);
    return &m_slots.back();
}

bool CxLNRecStore::EndStream() {
    if (!m_stream.IsOpen())
        return false;
    const bool ended = m_stream.End(static_cast<int32_t>(m_slots.size()));
    m_file.Grow(m_stream.Size());
    m_stream.Begin(nullptr);
    m_bStreamFailed = m_bStreamFailed || !ended;
    m_bStreamed = true;
    return ended;
}

bool CxLNRecStore::PublishAs(const char* path, const CxList& list) {
    if (!m_bStreamed || m_bStreamFailed || !m_file.IsOpen() || list.GetCount() != m_slots.size())
        return false;
    std::size_t index = 0;
    bool same = true;
    list.ForEachHeld([&](void* made, const void* key) {
        same = same && !made && key == &m_slots[index] && m_slots[index].nHeld < 0;
        ++index;
    });
    return same && CxLNRecStream::Publish(m_file.Fd(), path);
}

bool LNIsRegularFile(const char* path) {
    struct stat st;
    return path && lstat(path, &st) == 0 && S_ISREG(st.st_mode);
}

const unsigned char* CxLNRecStore::Loaded_(const tagLNRecSlot& slot) {
    static const unsigned char kNothing = 0;
    if (slot.nBytes == 0) // a kind whose records hold nothing in the file
        return &kNothing;
    if (m_stream.IsOpen() && m_stream.Flush())
        m_file.Grow(m_stream.Size());
    std::size_t available = 0;
    const unsigned char* bytes = m_file.Read(slot.nAt, slot.nBytes, &available);
    if (!bytes || available < slot.nBytes ||
        CxLNRecHash::Of(bytes, slot.nBytes) != slot.nHash) {
        Damaged_(slot);
        return nullptr;
    }
    return bytes;
}

const unsigned char* CxLNRecStore::CurrentBytes_(const tagLNRecSlot& slot, std::size_t* size) {
    if (slot.nHeld >= 0) {
        *size = slot.nHeldBytes;
        return HeldBytes_(slot.nHeld);
    }
    *size = slot.nBytes;
    return Loaded_(slot);
}

void CxLNRecStore::Damaged_(const tagLNRecSlot& slot) {
    if (!m_sDamage.empty())
        return;
    m_sDamage = "The exchange file " + m_file.Path() +
                " no longer holds the records read from it: the record at byte " +
                std::to_string(slot.nAt) + " changed since";
    CX_LOG_ERROR("%s.", m_sDamage.c_str());
}

std::size_t CxLNRecStore::ExtraBytes_() const {
    std::size_t bytes = 0;
    for (std::size_t i = 0; i < m_shape.nExtraCount; ++i)
        bytes += m_shape.pExtras[i].nSize;
    return bytes;
}

// Extras that are all zero take no room: a zeroed record has them already.
void CxLNRecStore::KeepExtras_(tagLNRecSlot& slot, const void* rec) {
    const unsigned char* base = static_cast<const unsigned char*>(rec);
    bool any = false;
    for (std::size_t i = 0; i < m_shape.nExtraCount && !any; ++i)
        for (std::size_t b = 0; b < m_shape.pExtras[i].nSize && !any; ++b)
            any = base[m_shape.pExtras[i].nOffset + b] != 0;
    if (!any) {
        slot.nExtra = -1;
        return;
    }
    unsigned char* to =
        slot.nExtra >= 0 ? HeldBytes_(slot.nExtra) : Hold_(ExtraBytes_(), &slot.nExtra);
    for (std::size_t i = 0; i < m_shape.nExtraCount; ++i) {
        std::memcpy(to, base + m_shape.pExtras[i].nOffset, m_shape.pExtras[i].nSize);
        to += m_shape.pExtras[i].nSize;
    }
}

bool CxLNRecStore::Current_(tagLNRecSlot& slot, void* rec) {
    std::size_t size = 0;
    const unsigned char* bytes = CurrentBytes_(slot, &size);
    if (!bytes || !Decode_(bytes, size, rec))
        return false;
    if (slot.nExtra >= 0) {
        const unsigned char* from = HeldBytes_(slot.nExtra);
        unsigned char* base = static_cast<unsigned char*>(rec);
        for (std::size_t i = 0; i < m_shape.nExtraCount; ++i) {
            std::memcpy(base + m_shape.pExtras[i].nOffset, from, m_shape.pExtras[i].nSize);
            from += m_shape.pExtras[i].nSize;
        }
    }
    return true;
}

bool CxLNRecStore::Decode_(const unsigned char* bytes, std::size_t size, void* rec) const {
    std::memset(rec, 0, m_shape.nRecSize);
    bool complete = false;
    LNDecodeFields(bytes, size, rec, m_shape.pFields, m_shape.nFieldCount, &complete);
    return complete;
}

// The common record of the record as loaded, into `comm` (cleared first).
bool CxLNRecStore::CommFrom_(tagLNRecSlot& slot, void* comm) {
    const unsigned char* bytes = Loaded_(slot);
    if (!bytes || !Decode_(bytes, slot.nBytes, Scratch_()))
        return false;
    std::memset(comm, 0, m_shape.nCommSize);
    return m_shape.pToComm(Scratch_(), comm);
}

bool CxLNRecStore::Make_(tagLNRecSlot& slot) {
    if (slot.pRec || slot.pComm)
        return true;
    if (slot.bRecGone || slot.bCommGone)
        return false;
    if (slot.bNoComm)
        return MakeAlone_(slot);
    void* rec = std::calloc(1, m_shape.nRecSize);
    void* comm = std::calloc(1, m_shape.nCommSize);
    // A record that did not change gives its common record at once.
    const bool made = rec && comm && Current_(slot, rec) &&
                      (slot.nHeld < 0 ? m_shape.pToComm(rec, comm) : CommFrom_(slot, comm));
    if (!made) {
        std::free(rec);
        std::free(comm);
        return false;
    }
    *LinkAt(rec, m_shape.nRecLink) = comm;
    *LinkAt(comm, m_shape.nCommLink) = rec;
    std::memset(static_cast<unsigned char*>(comm) + m_shape.nCommLinkSize, 0, sizeof(int32_t));
    slot.pRec = rec;
    slot.pComm = comm;
    return true;
}

bool CxLNRecStore::MakeAlone_(tagLNRecSlot& slot) {
    void* rec = std::calloc(1, m_shape.nRecSize);
    if (!rec || !Current_(slot, rec)) {
        std::free(rec);
        return false;
    }
    slot.pRec = rec;
    return true;
}

bool CxLNRecStore::ReadRec(const void* key, void* rec) {
    tagLNRecSlot& slot = *SlotOf_(key);
    if (slot.bRecGone)
        return false;
    if (slot.pRec) {
        std::memcpy(rec, slot.pRec, m_shape.nRecSize);
        return true;
    }
    return Current_(slot, rec);
}

bool CxLNRecStore::ReadComm(const void* key, void* comm) {
    tagLNRecSlot& slot = *SlotOf_(key);
    if (slot.bCommGone)
        return false;
    if (slot.pComm) {
        std::memcpy(comm, slot.pComm, m_shape.nCommSize);
        return true;
    }
    return CommFrom_(slot, comm);
}

unsigned char* CxLNRecStore::Hold_(std::size_t size, int64_t* at) {
    if (m_held.empty() || m_nHeldUsed + size > m_nHeldBlock) {
        m_nHeldBlock = size > kHeldBlockBytes ? size : kHeldBlockBytes;
        m_held.emplace_back(new unsigned char[m_nHeldBlock]);
        m_nHeldUsed = 0;
    }
    *at = static_cast<int64_t>(m_held.size() - 1) << 32 | static_cast<int64_t>(m_nHeldUsed);
    unsigned char* bytes = m_held.back().get() + m_nHeldUsed;
    m_nHeldUsed += size;
    return bytes;
}

unsigned char* CxLNRecStore::HeldBytes_(int64_t at) {
    return m_held[static_cast<std::size_t>(at >> 32)].get() + (at & 0xffffffff);
}

bool CxLNRecStore::KeepRec(const void* key, const void* rec) {
    tagLNRecSlot& slot = *SlotOf_(key);
    if (slot.pRec || slot.bRecGone)
        return false;
    m_bytes.clear();
    LNEncodeFields(rec, m_shape.pFields, m_shape.nFieldCount, &m_bytes);
    if (m_bytes.size() > UINT32_MAX)
        return false;
    // A record that changes again takes the room of its last change when it fits.
    if (slot.nHeld < 0 || m_bytes.size() > slot.nHeldRoom) {
        Hold_(m_bytes.size(), &slot.nHeld);
        slot.nHeldRoom = static_cast<uint32_t>(m_bytes.size());
    }
    std::memcpy(HeldBytes_(slot.nHeld), m_bytes.data(), m_bytes.size());
    slot.nHeldBytes = static_cast<uint32_t>(m_bytes.size());
    ReadHeader(rec, &slot.nAction, &slot.nOrigin);
    KeepExtras_(slot, rec);
    return true;
}

bool CxLNRecStore::SetHeader(const void* key, int32_t action, int32_t origin) {
    tagLNRecSlot& slot = *SlotOf_(key);
    if (slot.pRec) {
        WriteHeader(slot.pRec, action, origin);
        return true;
    }
    std::unique_ptr<unsigned char[]> rec(new unsigned char[m_shape.nRecSize]);
    if (!ReadRec(key, rec.get()))
        return false;
    WriteHeader(rec.get(), action, origin);
    return KeepRec(key, rec.get());
}

// What writing the record of these bytes gives, into m_bytes.
void CxLNRecStore::Rewrite_(const unsigned char* bytes, std::size_t size) {
    Decode_(bytes, size, Scratch_());
    m_bytes.clear();
    LNEncodeFields(Scratch_(), m_shape.pFields, m_shape.nFieldCount, &m_bytes);
}

bool CxLNRecStore::WriteRec(CxFile* out, const void* key) {
    tagLNRecSlot& slot = *SlotOf_(key);
    if (slot.nHeld >= 0)
        return out->WriteBytes(HeldBytes_(slot.nHeld), slot.nHeldBytes);
    const unsigned char* bytes = Loaded_(slot);
    if (!bytes)
        return false;
    // Found once: whether writing the record gives back its bytes as loaded.
    if (slot.nCanonical < 0) {
        Rewrite_(bytes, slot.nBytes);
        slot.nCanonical = m_bytes.size() == slot.nBytes &&
                          std::memcmp(m_bytes.data(), bytes, slot.nBytes) == 0;
    } else if (slot.nCanonical == 0) {
        Rewrite_(bytes, slot.nBytes);
    }
    return slot.nCanonical == 1 ? out->WriteBytes(bytes, slot.nBytes)
                                : out->WriteBytes(m_bytes.data(), m_bytes.size());
}

unsigned char* CxLNRecStore::Scratch_() {
    if (!m_scratch)
        m_scratch.reset(new unsigned char[m_shape.nRecSize]);
    return m_scratch.get();
}

void* CxLNRecStore::CxView::MakeElement(const void* key) {
    tagLNRecSlot& slot = *SlotOf_(key);
    if (!m_pStore->Make_(slot))
        return nullptr;
    return m_nSide == RECS ? slot.pRec : slot.pComm;
}

void* CxLNRecStore::CxView::MadeElement(const void* key) const {
    const tagLNRecSlot& slot = *SlotOf_(key);
    return m_nSide == RECS ? slot.pRec : slot.pComm;
}

bool CxLNRecStore::CxView::CopyElement(const void* key, void* out) const {
    return m_nSide == RECS ? m_pStore->ReadRec(key, out) : m_pStore->ReadComm(key, out);
}

std::size_t CxLNRecStore::CxView::ElementSize() const {
    return m_nSide == RECS ? m_pStore->m_shape.nRecSize : m_pStore->m_shape.nCommSize;
}

void CxLNRecStore::CxView::ElementRemoved(const void* key) {
    tagLNRecSlot& slot = *SlotOf_(key);
    if (m_nSide == RECS) {
        slot.pRec = nullptr;
        slot.bRecGone = true;
    } else if (m_nSide == COMMS) {
        slot.pComm = nullptr;
        slot.bCommGone = true;
    }
}
