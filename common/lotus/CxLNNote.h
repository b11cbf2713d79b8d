// The notes kind: records without content, an exchange data file that holds
// only their number, and common records that hold only their source.
#pragma once
#include "common/lotus/CxLNBaseUtil.h"
#include "common/lotus/CxLNRecords.h"
#include "common/pim/CommNoteMgr.h"

class CxFile;

class CxLNNoteUtil : public CxLNBaseUtil {
public:
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
    bool SaveToFile(const char* name);
    // The parameter file of a helper run in the temporary folder.
    bool WriteParamFile();

    CommNoteMgr* GetDataMgr() {
        return m_pDataMgr;
    }
    CxList* GetRecList() {
        return m_pRecList;
    }

protected:
    // One helper run in the current mode; true when the helper ran to its end.
    bool InvokeHelper_();
    bool LoadRecFromFile_(tagCxLNNoteRec* rec);
    bool SaveRecToFile_(tagCxLNNoteRec* rec);

    CommNoteMgr* m_pDataMgr;
    CxFile* m_pFile;
    CxList* m_pRecList;
};
