// The client side that the four Notes data classes share. Each kind's class
// declares its operations and names its types (Rec, Comm, Mgr); its members
// answer through CxLNKindUtil, given what the kind brings (tagLNKind).
#pragma once
#include <cstddef>
#include <memory>

#include "common/lotus/exchange/CxLNFileFields.h"
#include "common/lotus/exchange/CxLNHelperKind.h"
#include "common/lotus/exchange/CxLNRecList.h"
#include "common/lotus/exchange/CxLNRecStore.h"
#include "common/misc/CxDebugUtil.h"
#include "common/misc/CxFile.h"
#include "common/misc/CxList.h"

struct tagLNUndoResult;

// A record kind's files, the fields its records keep in the exchange data
// file and the log lines of both.
struct tagLNKind {
    tagLNHelperKind helper;
    const char* szDataFile;
    const char* szErrorFile;
    const char* szStatusFile;
    const char* szParamFile;
    const tagLNFileField* pFields; // in file order; null: the records keep nothing
    std::size_t nFieldCount;
    const char* szLoadStart; // take the file name; null ones are not written
    const char* szSaveStart;
    tagLNFileTexts texts;
    const tagLNRecPart* pExtras = nullptr; // what a load fills beyond the file
    std::size_t nExtraCount = 0;
};

template <class Util, const tagLNKind& Kind> struct CxLNKindUtil {
    using Rec = typename Util::Rec;
    using Comm = typename Util::Comm;
    using Mgr = typename Util::Mgr;

    static tagLNRecShape Shape() {
        return {Kind.pFields,       Kind.nFieldCount,
                Kind.pExtras,       Kind.nExtraCount,
                sizeof(Rec),        offsetof(Rec, pCommRec),
                sizeof(Comm),       offsetof(Comm, pUserData),
                offsetof(Comm, nUserDataSize),
                [](void* rec, void* comm) {
                    return Util::ToCommRec(static_cast<Rec*>(rec), static_cast<Comm*>(comm));
                }};
    }

    // The empty record list, the file object and the manager, in this
    // order, then the kind's files. The store keys the records of both lists.
    static void Create(Util* util) {
        util->m_pRecList = new CxList;
        util->m_pFile = new CxFile;
        util->m_pDataMgr = new Mgr;
        util->m_pStore = new CxLNRecStore(Shape());
        util->m_pRecList->SetSource(util->m_pStore->RecSource());
        util->m_pDataMgr->GetRecords()->SetSource(util->m_pStore->CommSource());
        util->SetKindFiles_(Kind.szDataFile, Kind.szErrorFile, Kind.szStatusFile, Kind.szParamFile);
    }

    static void Destroy(Util* util) {
        util->Util::ClearAll();
        delete util->m_pRecList;
        delete util->m_pFile;
        delete util->m_pDataMgr;
        delete util->m_pStore;
    }

    static bool ClearAll(Util* util) {
        LNClearRecs<Rec>(util->m_pRecList);
        util->m_pDataMgr->Clear();
        util->m_pStore->Clear();
        return true;
    }

    // Each record of the list in order, made or read into one record in turn;
    // false when one could not be read or `fn` said stop (false).
    template <class Fn> static bool ForEachRec(Util* util, Fn fn) {
        std::unique_ptr<Rec> scratch;
        bool going = true;
        util->m_pRecList->ForEachHeld([&](void* element, const void* key) {
            if (!going)
                return;
            if (element) {
                going = fn(static_cast<Rec*>(element));
                return;
            }
            if (!scratch)
                scratch.reset(new Rec);
            going = util->m_pStore->ReadRec(key, scratch.get()) && fn(scratch.get());
        });
        return going;
    }

    static Rec* AddRec(Util* util, const Rec* rec) { return LNAddRec(util->m_pRecList, rec); }
    static void DelRec(Util* util, Rec* rec) {
        LNDelRec<Comm>(util->m_pRecList, util->m_pDataMgr, rec);
    }
    static Rec* FirstRec(Util* util) { return static_cast<Rec*>(util->m_pRecList->GetFirst()); }
    static Rec* NextRec(Util* util) { return static_cast<Rec*>(util->m_pRecList->GetNext()); }
    static Rec* PrevRec(Util* util) { return static_cast<Rec*>(util->m_pRecList->GetPrev()); }
    static Rec* LastRec(Util* util) { return static_cast<Rec*>(util->m_pRecList->GetLast()); }

    // Into an object that holds no records the file's records are keyed, read
    // when they are asked for; otherwise they are read and appended.
    static bool LoadFromFile(Util* util, const char* name, bool workOnly) {
        name = util->ExchangeFileName_(name);
        if (Kind.szLoadStart)
            CX_LOG_INFO(Kind.szLoadStart, name);
        char path[512];
        util->TempFilePath_(name, path, sizeof path);
        const std::size_t recordBytes = LNFileBytes(Kind.pFields, Kind.nFieldCount);
        if (util->m_pRecList->GetCount() == 0 && util->m_pDataMgr->GetRecords()->GetCount() == 0) {
            const bool read =
                util->m_pStore->Open(path, recordBytes, workOnly, Kind.texts);
            KeyStoredRecs(util);
            return read;
        }
        return LNLoadRecFile(
            util->m_pFile, util->m_pRecList, util->m_pDataMgr, path, recordBytes, Kind.texts,
            [util](Rec* rec) { return util->LoadRecFromFile_(rec); }, &Util::ToCommRec,
            workOnly ? &LNRecHasWork<Rec> : nullptr);
    }

    // A node in both lists for each record of the store.
    static void KeyStoredRecs(Util* util) {
        CxLNRecStore* store = util->m_pStore;
        for (std::size_t i = 0; i < store->Count(); ++i) {
            util->m_pRecList->AddKey(store->Slot(i));
            util->m_pDataMgr->GetRecords()->AddKey(store->Slot(i));
        }
    }

    static bool SaveToFile(Util* util, const char* name) {
        name = util->ExchangeFileName_(name);
        if (Kind.szSaveStart)
            CX_LOG_INFO(Kind.szSaveStart, name);
        char path[512];
        util->TempFilePath_(name, path, sizeof path);
        // The file a load wrote as it went gets its name if nothing changed since.
        if (util->m_pStore->PublishAs(path, *util->m_pRecList)) {
            if (Kind.texts.szCount)
                CX_LOG_INFO(Kind.texts.szCount, static_cast<int>(util->m_pRecList->GetCount()));
            if (Kind.texts.szSaveDone)
                CX_LOG_INFO("%s", Kind.texts.szSaveDone);
            return true;
        }
        const bool saved = LNSaveRecFile<Rec>(
            util->m_pFile, util->m_pRecList, util->m_pStore, path, Kind.texts,
            [util](Rec* rec) { return util->SaveRecToFile_(rec); });
        if (!saved && !util->m_pStore->Damage().empty())
            util->ReportDamage_(util->m_pStore->Damage().c_str());
        return saved;
    }

    // One record through the open file; false without a record or a file object.
    static bool ReadRec(Util* util, Rec* rec) {
        if (!rec || !util->m_pFile)
            return false;
        LNReadFields(util->m_pFile, rec, Kind.pFields, Kind.nFieldCount);
        return true;
    }

    static bool WriteRec(Util* util, Rec* rec) {
        if (!rec || !util->m_pFile)
            return false;
        LNWriteFields(util->m_pFile, rec, Kind.pFields, Kind.nFieldCount);
        return true;
    }

    static bool InvokeHelper(Util* util) {
        return util->RunHelper_(Kind.helper, [util] { return util->WriteParamFile(); });
    }

    static bool LoadAll(Util* util) {
        return util->LoadCycle_(
            Kind.helper, [util] { return util->InvokeHelper_(); },
            [util] { return util->LoadFromFile(nullptr); });
    }

    static bool SubmitChanges(Util* util) {
        return util->SubmitCycle_(
            Kind.helper, [util] { return util->SaveToFile(nullptr); },
            [util] { return util->InvokeHelper_(); }, [util] { util->ResetWrittenRecords_(); });
    }

    static bool Undo(Util* util, const char* run, bool dryRun, tagLNUndoResult* result) {
        return util->UndoCycle_([util] { return util->InvokeHelper_(); }, run, dryRun, result);
    }

    static void ResetWrittenRecords(Util* util) {
        LNResetWrittenRecs<Comm, Rec>(util->m_pRecList, util->m_pDataMgr, util->m_pStore);
    }
};
