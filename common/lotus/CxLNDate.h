// The calendar kind: its Notes records, their exchange data file and their
// common records.
#pragma once
#include "common/lotus/CxLNBaseUtil.h"
#include "common/lotus/CxLNRecords.h"
#include "common/pim/CommDateMgr.h"

class CxFile;

class CxLNDateUtil : public CxLNBaseUtil {
public:
    CxLNDateUtil();
    ~CxLNDateUtil() override;

    bool LoadAll() override;
    bool ClearAll() override;
    bool SubmitChanges() override;
#ifdef LNACCESS_ENGINE
    bool ReadParamFile(const char* path);
    bool Run();
    bool LoadFromDB() override;
    bool SaveToDB() override;
    static bool FromCommRec(tagCommDateRec* common, tagCxLNDateRec* notes);
#endif
    static bool ToCommRec(tagCxLNDateRec* notes, tagCommDateRec* common);

    static bool InitRec(tagCxLNDateRec* rec);
    tagCxLNDateRec* AddRec(const tagCxLNDateRec* rec);
    void DelRec(tagCxLNDateRec* rec);
    tagCxLNDateRec* GetFirstRec();
    tagCxLNDateRec* GetNextRec();
    tagCxLNDateRec* GetPrevRec();
    tagCxLNDateRec* GetLastRec();
    bool LoadFromFile(const char* name);
    bool SaveToFile(const char* name);
    // The parameter file of a helper run in the temporary folder.
    bool WriteParamFile();

    CommDateMgr* GetDataMgr() {
        return m_pDataMgr;
    }
    CxList* GetRecList() {
        return m_pRecList;
    }

protected:
    // One helper run in the current mode; true when the helper ran to its end.
    bool InvokeHelper_();
    bool LoadRecFromFile_(tagCxLNDateRec* rec);
    bool SaveRecToFile_(tagCxLNDateRec* rec);

    CommDateMgr* m_pDataMgr;
    CxFile* m_pFile;
    CxList* m_pRecList;
};
