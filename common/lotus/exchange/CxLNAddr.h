// The contacts kind: its Notes records, their exchange data file and their
// common records.
#pragma once
#include <functional>

#include "common/lotus/exchange/CxLNBaseUtil.h"
#include "common/lotus/exchange/CxLNRecords.h"
#include "common/pim/CommAddrMgr.h"

class CxFile;
class CxLNRecStore;
struct tagLNKind;
template <class Util, const tagLNKind& Kind> struct CxLNKindUtil;
#ifdef LNACCESS_ENGINE
struct tagLNRecField;
template <class Util> struct CxLNRecordEdit;
template <class Util> struct CxLNLoadStream;
#endif

class CxLNAddrUtil : public CxLNBaseUtil {
public:
    // The kind's records and manager, for the templates that do its work.
    using Rec = tagCxLNAddrRec;
    using Comm = tagCommAddrRec;
    using Mgr = CommAddrMgr;

    CxLNAddrUtil();
    ~CxLNAddrUtil() override;

    bool LoadAll() override;
    bool ClearAll() override;
    bool SubmitChanges() override;
#ifdef LNACCESS_ENGINE
    bool ReadParamFile(const char* path);
    bool Run();
    bool LoadFromDB() override;
    bool SaveToDB() override;
    static bool FromCommRec(tagCommAddrRec* common, tagCxLNAddrRec* notes);

    // Field catalogue and single-record editing.
    static unsigned long GetFieldCount();
    static const tagLNRecField* GetFieldInfo(unsigned long position);
    static bool GetFieldInfo(unsigned long position, tagLNRecField* out);
    static const char* GetFieldName(unsigned long position);
    static char* GetFieldText(tagCxLNAddrRec* record, unsigned long id);
    static void* GetFieldValue(tagCxLNAddrRec* record, unsigned long id);
    static bool SetFieldValueByText(unsigned long id, const char* text, tagCommAddrRec* common);
    bool AddRecord(tagCommAddrRec* common, bool submit);
    bool UpdateRecord(tagCommAddrRec* common, int position, bool submit);
    bool DelRecord(tagCommAddrRec* common, bool submit);
    bool SyncRecord(tagCommAddrRec* common, bool submit);
    template <class Util> friend struct CxLNRecordEdit;
    template <class Util> friend struct CxLNLoadStream;
#endif
    static bool ToCommRec(tagCxLNAddrRec* notes, tagCommAddrRec* common);

    static bool InitRec(tagCxLNAddrRec* rec);
    tagCxLNAddrRec* AddRec(const tagCxLNAddrRec* rec);
    void DelRec(tagCxLNAddrRec* rec);
    tagCxLNAddrRec* GetFirstRec();
    tagCxLNAddrRec* GetNextRec();
    tagCxLNAddrRec* GetPrevRec();
    tagCxLNAddrRec* GetLastRec();
    bool LoadFromFile(const char* name);
    // `workOnly`: only the records the write-back acts on.
    bool LoadFromFile(const char* name, bool workOnly);
    bool SaveToFile(const char* name);
    // The parameter file of a helper run in the temporary folder.
    bool WriteParamFile();
    void SetLocalName(const char* text);
    const char* GetLocalName() const {
        return m_szLocalName;
    }

    CommAddrMgr* GetDataMgr() {
        return m_pDataMgr;
    }
    CxList* GetRecList() {
        return m_pRecList;
    }
    // What keeps the records that the lists do not hold in memory.
    CxLNRecStore* GetRecStore() {
        return m_pStore;
    }
    // Each record of the list in order; a record not in memory is read into
    // one record in turn, valid during its call only. False when a record
    // could not be read or `fn` returned false.
    bool ForEachRecord(const std::function<bool(tagCxLNAddrRec* rec)>& fn);

    // Takes back the journaled `run` of this kind and database (see UndoCycle_).
    bool Undo(const char* run, bool dryRun, tagLNUndoResult* result);

protected:
    template <class Util, const tagLNKind& Kind> friend struct CxLNKindUtil;

    // One helper run in the current mode; true when the helper ran to its end.
    bool InvokeHelper_();
    bool LoadRecFromFile_(tagCxLNAddrRec* rec);
    bool SaveRecToFile_(tagCxLNAddrRec* rec);
#ifdef LNACCESS_ENGINE
    // The parts of a load and a write-back while the API is started.
    bool SearchDB_();
    bool WriteDB_();
#endif
    // After a write-back that succeeded: written records are done (nAction 0)
    // and records whose documents were deleted go, with their common records.
    void ResetWrittenRecords_();

    CommAddrMgr* m_pDataMgr;
    CxFile* m_pFile;
    CxList* m_pRecList;
    CxLNRecStore* m_pStore;
    char m_szLocalName[260];
};
