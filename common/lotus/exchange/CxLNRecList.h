// What the four Notes data classes do alike with their record lists: copies
// on the C heap, the link of each Notes record with its common record, and
// the walk over an exchange data file. A list may key records that its
// store keeps (CxLNRecStore) beside records it holds in memory.
#pragma once
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "common/lotus/exchange/CxLNRecStore.h"
#include "common/lotus/exchange/CxLNRecords.h"
#include "common/misc/CxDebugUtil.h"
#include "common/misc/CxFile.h"
#include "common/misc/CxList.h"

// Log lines of one kind's file operations; a null line is not written.
struct tagLNFileTexts {
    const char* szCount;
    const char* szLoadDone;
    const char* szSaveDone;
    const char* szLoadOpenFailed;
    const char* szSaveOpenFailed;
};

template <class Rec> bool LNInitRec(Rec* rec) {
    if (!rec)
        return false;
    std::memset(rec, 0, sizeof(Rec));
    return true;
}

template <class Rec> Rec* LNAddRec(CxList* list, const Rec* rec) {
    if (!rec)
        return nullptr;
    Rec* copy = static_cast<Rec*>(std::malloc(sizeof(Rec)));
    if (!copy)
        return nullptr;
    std::memcpy(copy, rec, sizeof(Rec));
    if (!list->Add(copy)) {
        std::free(copy);
        return nullptr;
    }
    return copy;
}

// Only a record the list holds is ours to free, and so is its common record.
template <class Comm, class Rec, class Mgr> void LNDelRec(CxList* list, Mgr* mgr, Rec* rec) {
    if (!rec || !list->Remove(rec))
        return;
    if (Comm* comm = static_cast<Comm*>(rec->pCommRec)) {
        comm->pUserData = nullptr;
        comm->nUserDataSize = 0;
        mgr->DelRec(comm);
    }
    std::free(rec);
}

// What a successful write-back leaves behind: records written to their
// documents are done, and records whose documents were deleted go together
// with their common records. Without this every later write-back would
// create the added documents once more. Records only the store keeps change
// there, and are never made for it.
template <class Comm, class Rec, class Mgr>
void LNResetWrittenRecs(CxList* list, Mgr* mgr, CxLNRecStore* store) {
    std::vector<Rec*> deleted;
    std::vector<const void*> deletedKeys;
    list->ForEachHeld([&](void* element, const void* key) {
        if (Rec* rec = static_cast<Rec*>(element)) {
            if (rec->nAction == LN_ACTION_WRITE)
                rec->nAction = LN_ACTION_NONE;
            else if (rec->nAction == LN_ACTION_DELETE)
                deleted.push_back(rec);
            return;
        }
        const tagLNRecSlot* slot = static_cast<const tagLNRecSlot*>(key);
        if (slot->nAction == LN_ACTION_WRITE)
            store->SetHeader(key, LN_ACTION_NONE, slot->nOrigin);
        else if (slot->nAction == LN_ACTION_DELETE)
            deletedKeys.push_back(key);
    });
    for (Rec* rec : deleted)
        LNDelRec<Comm>(list, mgr, rec);
    for (const void* key : deletedKeys) {
        list->RemoveKey(key);
        mgr->GetRecords()->RemoveKey(key);
    }
}

// Frees the records the list holds in memory; those it only keys are the store's.
template <class Rec> void LNClearRecs(CxList* list) {
    list->ForEachHeld([](void* element, const void*) { std::free(element); });
    list->RemoveAll(false);
}

// Makes the common record of `rec` in the manager, pointing `rec` at it. It
// is filled where it stays: a load makes one for every record.
template <class Comm, class Rec, class Mgr>
Comm* LNMakeComm(Mgr* mgr, Rec* rec, bool (*toComm)(Rec*, Comm*)) {
    Comm* stored = mgr->NewRec();
    if (stored)
        toComm(rec, stored);
    rec->pCommRec = stored;
    return stored;
}

// Points the common record back at the record the list holds; the link is
// not owned (size 0).
template <class Comm, class Rec> void LNLinkComm(Comm* stored, Rec* owned) {
    if (stored) {
        stored->pUserData = owned;
        stored->nUserDataSize = 0;
    }
}

// Records of a kind that takes no bytes in the file: the file cannot vouch
// for their count, so more than this many are taken for a damaged header.
constexpr int64_t kLNMaxEmptyRecords = 1024;

// How many records of at least `recordBytes` bytes each a file of `size`
// bytes can hold after its header.
inline int64_t LNRecordsThatFit(int64_t size, std::size_t recordBytes) {
    if (recordBytes == 0)
        return kLNMaxEmptyRecords;
    return size < 4 ? 0 : (size - 4) / static_cast<int64_t>(recordBytes);
}

// The count at the head of `path` logged, and whether a file of `size`
// bytes can hold that many records; logs the damage when it can not.
inline bool LNCountFits(const char* path, int32_t count, int64_t size, std::size_t recordBytes,
                        const tagLNFileTexts& texts) {
    if (texts.szCount)
        CX_LOG_INFO(texts.szCount, count);
    if (count <= LNRecordsThatFit(size, recordBytes))
        return true;
    CX_LOG_ERROR("File %s is damaged: it cannot hold %d records.", path, count);
    return false;
}

// The end of reading the records of `path`: logged as done, or as damaged
// when the file ended before its `count` records.
inline bool LNLoadEnded(const char* path, int32_t count, bool complete,
                        const tagLNFileTexts& texts) {
    if (!complete) {
        CX_LOG_ERROR("File %s is damaged: it ends before its %d records.", path, count);
        return false;
    }
    if (texts.szLoadDone)
        CX_LOG_INFO("%s", texts.szLoadDone);
    return true;
}

// Reads `path` into linked records of at least `recordBytes` bytes each. A
// count larger than the file can hold fails at once, before anything is
// read or allocated; a file that ends early adds nothing after that point and
// the load fails. Each record is read straight into the one the list keeps;
// a record `keep` refuses (when given) is read and dropped.
template <class Comm, class Rec, class Mgr, class ReadRec>
bool LNLoadRecFile(CxFile* file, CxList* list, Mgr* mgr, const char* path, std::size_t recordBytes,
                   const tagLNFileTexts& texts, ReadRec readRec, bool (*toComm)(Rec*, Comm*),
                   bool (*keep)(const Rec*) = nullptr) {
    if (!file->Open(path, "rb")) {
        CX_LOG_ERROR(texts.szLoadOpenFailed, path);
        return false;
    }
    int32_t count = 0;
    file->ReadInt(&count);
    if (!LNCountFits(path, count, file->Size(), recordBytes, texts)) {
        file->Close();
        return false;
    }
    bool complete = true;
    Rec* rec = nullptr; // the next record to fill, reused while dropped
    for (int32_t i = 0; complete && i < count; ++i) {
        // A fresh record comes zeroed from calloc, which need not touch
        // memory that is zero already.
        if (rec)
            LNInitRec(rec);
        else
            rec = static_cast<Rec*>(std::calloc(1, sizeof(Rec)));
        if (!rec) {
            file->Close();
            CX_LOG_ERROR("Out of memory reading record %d of %s.", i + 1, path);
            return false;
        }
        const bool read = readRec(rec);
        complete = !file->AtEnd();
        if (!read || !complete || (keep && !keep(rec)))
            continue;
        Comm* stored = LNMakeComm(mgr, rec, toComm);
        if (!list->Add(rec))
            continue;
        LNLinkComm(stored, rec);
        rec = nullptr;
    }
    std::free(rec);
    file->Close();
    return LNLoadEnded(path, count, complete, texts);
}

// Whether `path` names a regular file (not a link, a device or nothing).
bool LNIsRegularFile(const char* path);

// Writes every record of `list` in list order: those in memory through
// `writeRec`, those only `store` keeps as their bytes. A file that is there
// is written beside its place and renamed over it, so whoever reads records
// from it (a store) still reads the same bytes while it is written and after.
template <class Rec, class WriteRec>
bool LNSaveRecFile(CxFile* file, CxList* list, CxLNRecStore* store, const char* path,
                   const tagLNFileTexts& texts, WriteRec writeRec) {
    const bool beside = LNIsRegularFile(path);
    const std::string temporary = beside ? std::string(path) + ".new" : std::string(path);
    if (beside)
        std::remove(temporary.c_str());
    if (!file->Open(temporary.c_str(), "wb")) {
        CX_LOG_ERROR(texts.szSaveOpenFailed, path);
        return false;
    }
    const int32_t count = static_cast<int32_t>(list->GetCount());
    file->WriteInt(count);
    if (texts.szCount)
        CX_LOG_INFO(texts.szCount, count);
    bool read = true;
    list->ForEachHeld([&](void* element, const void* key) {
        if (element)
            writeRec(static_cast<Rec*>(element));
        else if (read)
            read = store->WriteRec(file, key);
    });
    // A full disk must not pass for a written file.
    bool written = !file->AtEnd();
    written = file->Close() && written;
    int why = written ? 0 : file->LastError();
    if (read && written && beside && std::rename(temporary.c_str(), path) != 0) {
        written = false;
        why = errno;
    }
    if (!read || !written) {
        if (beside)
            std::remove(temporary.c_str());
        if (read)
            CX_LOG_ERROR("Failed to write file: %s (%s)", path, std::strerror(why ? why : EIO));
        errno = why ? why : EIO; // the caller tells why
        return false;
    }
    if (texts.szSaveDone)
        CX_LOG_INFO("%s", texts.szSaveDone);
    return true;
}
