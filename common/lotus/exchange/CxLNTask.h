// The tasks kind: its Notes records, their exchange data file and their
// common records.
#pragma once
#include <functional>

#include "common/lotus/exchange/CxLNBaseUtil.h"
#include "common/lotus/exchange/CxLNRecords.h"
#include "common/pim/CommTaskMgr.h"

class CxFile;
class CxLNRecStore;
struct tagLNKind;
template <class Util, const tagLNKind& Kind> struct CxLNKindUtil;
#ifdef LNACCESS_ENGINE
struct tagLNRecField;
template <class Util> struct CxLNRecordEdit;
template <class Util> struct CxLNLoadStream;
#endif

class CxLNTaskUtil : public CxLNBaseUtil {
public:
    // The kind's records and manager, for the templates that do its work.
    using Rec = tagCxLNTaskRec;
    using Comm = tagCommTaskRec;
    using Mgr = CommTaskMgr;

    CxLNTaskUtil();
    ~CxLNTaskUtil() override;

    bool LoadAll() override;
    bool ClearAll() override;
    bool SubmitChanges() override;
#ifdef LNACCESS_ENGINE
    bool ReadParamFile(const char* path);
    bool Run();
    bool LoadFromDB() override;
    bool SaveToDB() override;
    static bool FromCommRec(tagCommTaskRec* common, tagCxLNTaskRec* notes);

    // Field catalogue and single-record editing.
    static unsigned long GetFieldCount();
    static const tagLNRecField* GetFieldInfo(unsigned long position);
    static bool GetFieldInfo(unsigned long position, tagLNRecField* out);
    static const char* GetFieldName(unsigned long position);
    static char* GetFieldText(tagCxLNTaskRec* record, unsigned long id);
    static void* GetFieldValue(tagCxLNTaskRec* record, unsigned long id);
    static bool SetFieldValueByText(unsigned long id, const char* text, tagCommTaskRec* common);
    bool AddRecord(tagCommTaskRec* common, bool submit);
    bool UpdateRecord(tagCommTaskRec* common, int position, bool submit);
    bool DelRecord(tagCommTaskRec* common, bool submit);
    bool SyncRecord(tagCommTaskRec* common, bool submit);
    template <class Util> friend struct CxLNRecordEdit;
    template <class Util> friend struct CxLNLoadStream;
#endif
    static bool ToCommRec(tagCxLNTaskRec* notes, tagCommTaskRec* common);

    static bool InitRec(tagCxLNTaskRec* rec);
    tagCxLNTaskRec* AddRec(const tagCxLNTaskRec* rec);
    void DelRec(tagCxLNTaskRec* rec);
    tagCxLNTaskRec* GetFirstRec();
    tagCxLNTaskRec* GetNextRec();
    tagCxLNTaskRec* GetPrevRec();
    tagCxLNTaskRec* GetLastRec();
    bool LoadFromFile(const char* name);
    // `workOnly`: only the records the write-back acts on.
    bool LoadFromFile(const char* name, bool workOnly);
    bool SaveToFile(const char* name);
    // The parameter file of a helper run in the temporary folder.
    bool WriteParamFile();

    CommTaskMgr* GetDataMgr() {
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
    bool ForEachRecord(const std::function<bool(tagCxLNTaskRec* rec)>& fn);

    // Takes back the journaled `run` of this kind and database (see UndoCycle_).
    bool Undo(const char* run, bool dryRun, tagLNUndoResult* result);

protected:
    template <class Util, const tagLNKind& Kind> friend struct CxLNKindUtil;

    // One helper run in the current mode; true when the helper ran to its end.
    bool InvokeHelper_();
    bool LoadRecFromFile_(tagCxLNTaskRec* rec);
    bool SaveRecToFile_(tagCxLNTaskRec* rec);
    // After a write-back that succeeded: written records are done (nAction 0)
    // and records whose documents were deleted go, with their common records.
    void ResetWrittenRecords_();

    CommTaskMgr* m_pDataMgr;
    CxFile* m_pFile;
    CxList* m_pRecList;
    CxLNRecStore* m_pStore;
};
