// The client side that the four Notes data classes share. Each kind's class
// declares its operations and names its types (Rec, Comm, Mgr); its members
// answer through CxLNKindUtil, given what the kind brings (tagLNKind).
#pragma once
#include <cstddef>

#include "common/lotus/exchange/CxLNFileFields.h"
#include "common/lotus/exchange/CxLNHelperKind.h"
#include "common/lotus/exchange/CxLNRecList.h"
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
};

template <class Util, const tagLNKind& Kind> struct CxLNKindUtil {
    using Rec = typename Util::Rec;
    using Comm = typename Util::Comm;
    using Mgr = typename Util::Mgr;

    // The empty record list, the file object and the manager, in this
    // order, then the kind's files.
    static void Create(Util* util) {
        util->m_pRecList = new CxList;
        util->m_pFile = new CxFile;
        util->m_pDataMgr = new Mgr;
        util->SetKindFiles_(Kind.szDataFile, Kind.szErrorFile, Kind.szStatusFile, Kind.szParamFile);
    }

    static void Destroy(Util* util) {
        util->Util::ClearAll();
        delete util->m_pRecList;
        delete util->m_pFile;
        delete util->m_pDataMgr;
    }

    static bool ClearAll(Util* util) {
        LNClearRecs<Rec>(util->m_pRecList);
        util->m_pDataMgr->Clear();
        return true;
    }

    static Rec* AddRec(Util* util, const Rec* rec) { return LNAddRec(util->m_pRecList, rec); }
    static void DelRec(Util* util, Rec* rec) {
        LNDelRec<Comm>(util->m_pRecList, util->m_pDataMgr, rec);
    }
    static Rec* FirstRec(Util* util) { return static_cast<Rec*>(util->m_pRecList->GetFirst()); }
    static Rec* NextRec(Util* util) { return static_cast<Rec*>(util->m_pRecList->GetNext()); }
    static Rec* PrevRec(Util* util) { return static_cast<Rec*>(util->m_pRecList->GetPrev()); }
    static Rec* LastRec(Util* util) { return static_cast<Rec*>(util->m_pRecList->GetLast()); }

    static bool LoadFromFile(Util* util, const char* name, bool workOnly) {
        name = util->ExchangeFileName_(name);
        if (Kind.szLoadStart)
            CX_LOG_INFO(Kind.szLoadStart, name);
        char path[512];
        util->TempFilePath_(name, path, sizeof path);
        return LNLoadRecFile(
            util->m_pFile, util->m_pRecList, util->m_pDataMgr, path,
            LNFileBytes(Kind.pFields, Kind.nFieldCount), Kind.texts,
            [util](Rec* rec) { return util->LoadRecFromFile_(rec); }, &Util::ToCommRec,
            workOnly ? &LNRecHasWork<Rec> : nullptr);
    }

    static bool SaveToFile(Util* util, const char* name) {
        name = util->ExchangeFileName_(name);
        if (Kind.szSaveStart)
            CX_LOG_INFO(Kind.szSaveStart, name);
        char path[512];
        util->TempFilePath_(name, path, sizeof path);
        return LNSaveRecFile<Rec>(util->m_pFile, util->m_pRecList, path, Kind.texts,
                                  [util](Rec* rec) { return util->SaveRecToFile_(rec); });
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
        LNResetWrittenRecs<Comm, Rec>(util->m_pRecList, util->m_pDataMgr);
    }
};
