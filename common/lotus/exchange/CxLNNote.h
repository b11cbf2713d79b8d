// The notes kind: records without content, an exchange data file that holds
// only their number, and common records that hold only their source.
#pragma once
#include <functional>

#include "common/lotus/exchange/CxLNBaseUtil.h"
#include "common/lotus/exchange/CxLNRecords.h"
#include "common/pim/CommNoteMgr.h"

class CxFile;
class CxLNRecStore;
struct tagLNKind;
template <class Util, const tagLNKind& Kind> struct CxLNKindUtil;
#ifdef LNACCESS_ENGINE
struct tagLNRecField;
template <class Util> struct CxLNRecordEdit;
template <class Util> struct CxLNLoadStream;
#endif

class CxLNNoteUtil : public CxLNBaseUtil {
public:
    // The kind's records and manager, for the templates that do its work.
    using Rec = tagCxLNNoteRec;
    using Comm = tagCommNoteRec;
    using Mgr = CommNoteMgr;

    CxLNNoteUtil();
    ~CxLNNoteUtil() override;

    bool LoadAll() override;
    bool ClearAll() override;
    bool SubmitChanges() override;
#ifdef LNACCESS_ENGINE
    bool LoadFromDB() override;
    bool SaveToDB() override;
    bool ReadParamFile(const char* path);
    static bool FromCommRec(tagCommNoteRec* common, tagCxLNNoteRec* notes);

    // Field catalogue and single-record editing.
    static unsigned long GetFieldCount();
    static const tagLNRecField* GetFieldInfo(unsigned long position);
    static bool GetFieldInfo(unsigned long position, tagLNRecField* out);
    static const char* GetFieldName(unsigned long position);
    static char* GetFieldText(tagCxLNNoteRec* record, unsigned long id);
    static void* GetFieldValue(tagCxLNNoteRec* record, unsigned long id);
    static bool SetFieldValueByText(unsigned long id, const char* text, tagCommNoteRec* common);
    bool AddRecord(tagCommNoteRec* common, bool submit);
    bool UpdateRecord(tagCommNoteRec* common, int position, bool submit);
    bool DelRecord(tagCommNoteRec* common, bool submit);
    bool SyncRecord(tagCommNoteRec* common, bool submit);
    template <class Util> friend struct CxLNRecordEdit;
    template <class Util> friend struct CxLNLoadStream;
#endif
    static bool ToCommRec(tagCxLNNoteRec* notes, tagCommNoteRec* common);

    static bool InitRec(tagCxLNNoteRec* rec);
    tagCxLNNoteRec* AddRec(const tagCxLNNoteRec* rec);
    void DelRec(tagCxLNNoteRec* rec);
    tagCxLNNoteRec* GetFirstRec();
    tagCxLNNoteRec* GetNextRec();
    tagCxLNNoteRec* GetPrevRec();
    tagCxLNNoteRec* GetLastRec();
    bool LoadFromFile(const char* name);
    // `workOnly`: only the records the write-back acts on.
    bool LoadFromFile(const char* name, bool workOnly);
    bool SaveToFile(const char* name);
    // The parameter file of a helper run in the temporary folder.
    bool WriteParamFile();

    CommNoteMgr* GetDataMgr() {
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
    bool ForEachRecord(const std::function<bool(tagCxLNNoteRec* rec)>& fn);

protected:
    template <class Util, const tagLNKind& Kind> friend struct CxLNKindUtil;

    // One helper run in the current mode; true when the helper ran to its end.
    bool InvokeHelper_();
    bool LoadRecFromFile_(tagCxLNNoteRec* rec);
    bool SaveRecToFile_(tagCxLNNoteRec* rec);
    // After a write-back that succeeded: written records are done (nAction 0)
    // and records whose documents were deleted go, with their common records.
    void ResetWrittenRecords_();

    CommNoteMgr* m_pDataMgr;
    CxFile* m_pFile;
    CxList* m_pRecList;
    CxLNRecStore* m_pStore;
};
