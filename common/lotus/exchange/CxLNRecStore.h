// The records of one data object as they are kept between a load and its
// write-back: where each record's bytes are in the exchange data file, a
// fingerprint of those bytes, and nothing more until a record is asked for.
// A record that is asked for through a list (CxList keyed nodes) is made in
// full with its common record and kept as long as the list holds it; one
// that is only looked at is read into the caller's buffer; one that is
// changed without being made keeps its new bytes in memory.
//
// Every read of a record from the file checks its bytes against what was
// read first; a record whose bytes changed is not used, and Damage() says
// why from then on, so that nothing is written from such a file.
#pragma once
#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "common/lotus/exchange/CxLNRecStream.h"
#include "common/lotus/exchange/CxLNRecWindow.h"
#include "common/misc/CxList.h"

class CxFile;
struct tagLNFileField;
struct tagLNFileTexts;

// Bytes of a record that the exchange file does not carry.
struct tagLNRecPart {
    std::size_t nOffset;
    std::size_t nSize;
};

// What the store knows of a kind's Notes record and common record.
struct tagLNRecShape {
    const tagLNFileField* pFields;
    std::size_t nFieldCount;
    // What a load from Lotus Notes fills beyond the file: kept beside the
    // record while its object lives, never written.
    const tagLNRecPart* pExtras;
    std::size_t nExtraCount;
    std::size_t nRecSize;
    std::size_t nRecLink; // where the Notes record keeps pCommRec
    std::size_t nCommSize;
    std::size_t nCommLink;     // where the common record keeps pUserData
    std::size_t nCommLinkSize; // and nUserDataSize
    bool (*pToComm)(void* rec, void* comm);
};

// One record. Its address is the key of its nodes in the data object's lists.
struct tagLNRecSlot {
    int64_t nAt = 0;    // where its bytes as loaded start in the file
    uint64_t nHash = 0; // of those bytes
    int64_t nHeld = -1; // its bytes since it changed, in the store's memory; -1 none
    int64_t nExtra = -1; // its bytes beyond the file, in the store's memory; -1 all zero
    uint32_t nBytes = 0;
    uint32_t nHeldBytes = 0;
    uint32_t nHeldRoom = 0; // what its held bytes may take, a later change included
    int32_t nAction = 0; // of its bytes now
    int32_t nOrigin = 0;
    void* pRec = nullptr; // made: the Notes record and its common record
    void* pComm = nullptr;
    int8_t nCanonical = -1; // 1: the loaded bytes are what writing the record gives; -1 not known
    bool bRecGone = false;  // its node left the record list or the manager's list
    bool bCommGone = false;
    bool bNoComm = false; // it has no common record: only the record list keys it
};

class CxLNRecStore {
public:
    explicit CxLNRecStore(const tagLNRecShape& shape);
    ~CxLNRecStore();
    CxLNRecStore(const CxLNRecStore&) = delete;
    CxLNRecStore& operator=(const CxLNRecStore&) = delete;

    // Reads the exchange file at `path` once through: every record (with
    // `workOnly` each one the write-back acts on) gets a slot. Logs as a load
    // of the file does; false, with nothing kept, when the file can not be
    // opened, announces more records than it can hold or ends early.
    bool Open(const char* path, std::size_t recordBytes, bool workOnly,
              const tagLNFileTexts& texts);
    // A load that writes each record as it comes, into a new file in `folder`.
    bool BeginStream(const char* folder);
    bool IsStreaming() const { return m_stream.IsOpen(); }
    // The record's slot; null when it could not be written. Without
    // `withComm` the record is made alone, its pCommRec null.
    const tagLNRecSlot* Append(const void* rec, bool withComm);
    // The stream's records readable, its count at its head; false when a write failed.
    bool EndStream();
    // Names the streamed file `path` when the list holds exactly its records
    // as streamed, none of them made; false otherwise, or when it can not.
    bool PublishAs(const char* path, const CxList& list);

    std::size_t Count() const { return m_slots.size(); }
    const tagLNRecSlot* Slot(std::size_t index) const { return &m_slots[index]; }

    // The sources of the data object's record list, of its manager's list and
    // of lists that refer to its common records without owning them.
    ICxListSource* RecSource() { return &m_recs; }
    ICxListSource* CommSource() { return &m_comms; }
    ICxListSource* RefSource() { return &m_refs; }

    // The Notes record of `key` as it is now, and its common record as it was
    // loaded, into the caller's buffer; false when its bytes can not be read.
    bool ReadRec(const void* key, void* rec);
    bool ReadComm(const void* key, void* comm);
    // The record of `key` (not made) changes to `rec`.
    bool KeepRec(const void* key, const void* rec);
    // Its state fields change; a made record is changed in place.
    bool SetHeader(const void* key, int32_t action, int32_t origin);
    // Writes the bytes of `key` (not made) as writing the record would.
    bool WriteRec(CxFile* out, const void* key);

    // Why a record could not be read again; empty while every read held.
    const std::string& Damage() const { return m_sDamage; }
    // Forgets every record; the lists must have let go of theirs first.
    void Clear();

private:
    // A list's view of the records: the Notes records, the common records,
    // or the common records without ownership.
    class CxView : public ICxListSource {
    public:
        enum Side { RECS, COMMS, REFS };
        CxView(CxLNRecStore* store, Side side) : m_pStore(store), m_nSide(side) {}
        void* MakeElement(const void* key) override;
        void* MadeElement(const void* key) const override;
        bool CopyElement(const void* key, void* out) const override;
        std::size_t ElementSize() const override;
        void ElementRemoved(const void* key) override;

    private:
        CxLNRecStore* m_pStore;
        Side m_nSide;
    };

    static tagLNRecSlot* SlotOf_(const void* key) {
        return static_cast<tagLNRecSlot*>(const_cast<void*>(key));
    }
    // The slot's bytes now (held or loaded), checked; null when they differ.
    const unsigned char* CurrentBytes_(const tagLNRecSlot& slot, std::size_t* size);
    const unsigned char* Loaded_(const tagLNRecSlot& slot);
    bool Decode_(const unsigned char* bytes, std::size_t size, void* rec) const;
    // The slot's record now: its bytes decoded, its extras restored.
    bool Current_(tagLNRecSlot& slot, void* rec);
    void KeepExtras_(tagLNRecSlot& slot, const void* rec);
    std::size_t ExtraBytes_() const;
    bool CommFrom_(tagLNRecSlot& slot, void* comm);
    bool Make_(tagLNRecSlot& slot);
    bool MakeAlone_(tagLNRecSlot& slot);
    unsigned char* Hold_(std::size_t size, int64_t* at);
    unsigned char* HeldBytes_(int64_t at);
    void Rewrite_(const unsigned char* bytes, std::size_t size);
    // One record's room, for reading one at a time.
    unsigned char* Scratch_();
    void Damaged_(const tagLNRecSlot& slot);
    bool IndexRecord_(int64_t* at, void* scratch, bool workOnly, bool* complete);

    tagLNRecShape m_shape;
    std::deque<tagLNRecSlot> m_slots;
    CxLNRecWindow m_file;
    CxLNRecStream m_stream;
    std::vector<std::unique_ptr<unsigned char[]>> m_held; // blocks of changed records
    std::size_t m_nHeldUsed = 0;                          // in the last block
    std::size_t m_nHeldBlock = 0;                         // its size
    std::string m_sDamage;
    bool m_bStreamed = false;     // the records are those of a stream, in a file without a name
    bool m_bStreamFailed = false; // a record of the stream may be missing from its file
    std::string m_bytes; // a record being written
    std::unique_ptr<unsigned char[]> m_scratch;
    CxView m_recs{this, CxView::RECS};
    CxView m_comms{this, CxView::COMMS};
    CxView m_refs{this, CxView::REFS};
};
