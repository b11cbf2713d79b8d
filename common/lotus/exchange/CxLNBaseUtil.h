// Base of the Notes data classes: one object per record kind and database,
// holding the access options a helper host needs, the names of the files it
// exchanges with the helper in one temporary folder, the helper's log settings,
// the run mode and the last error the helper reported.
//
// The same declaration serves both builds. The Notes access library compiles
// it with LNACCESS_ENGINE and gets the database-side slots as well; the
// wizard's virtual table holds only the destructor, LoadAll, ClearAll and
// SubmitChanges.
#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>

class CxList;
class CxLNParamParser;
struct tagLNUndoResult;
struct tagLNHelperKind;

class CxLNBaseUtil {
public:
    CxLNBaseUtil();
    virtual ~CxLNBaseUtil();
    CxLNBaseUtil(const CxLNBaseUtil&) = delete;
    CxLNBaseUtil& operator=(const CxLNBaseUtil&) = delete;

    virtual bool LoadAll();
    virtual bool ClearAll();
#ifdef LNACCESS_ENGINE
    virtual bool LoadFromDB();
    virtual bool SaveToDB();
#endif
    virtual bool SubmitChanges();

    bool IsValid() const {
        return m_bValid;
    }
    void SetValid(bool valid) {
        m_bValid = valid;
    }
    bool IsDirty() const {
        return m_bDirty;
    }
    void SetDirty(bool dirty) {
        m_bDirty = dirty;
    }
    bool HasError() const {
        return m_bHasError;
    }
    const char* GetLastErrorMsg() const {
        return m_szLastErrorMsg;
    }
    // What the last helper run did otherwise than asked while it succeeded
    // (for example, which user it ran as); empty when nothing.
    const char* GetNotice() const {
        return m_szNotice;
    }
    // Documents the last write-back left alone because they were changed in
    // Lotus Notes after the load.
    int GetChangedSinceLoad() const {
        return m_nChangedSinceLoad;
    }

    void SetServerName(const char* text);
    void SetUserName(const char* text);
    void SetPassword(const char* text);
    void SetMailDBName(const char* text);
    void SetTempFilePath(const char* text);
    void SetFileName(const char* text);
    void SetParamFile(const char* text);
    void SetErrorFile(const char* text);
    void SetStatusFile(const char* text);
    void SetDebugPath(const char* text);
    void SetDebugFile(const char* text);
    void SetIDFile(const char* text);
    void SetDebugLevel(int level) {
        m_nDebugLevel = level;
    }
    void EnableDebug(bool on) {
        m_bDebugEnabled = on;
    }

#ifdef LNACCESS_ENGINE
    // Inside a helper host: the error file and the one-line status file that
    // the wizard reads.
    void InitErrorReport();
    void ReportError(const char* text);
    void FiniErrorReport();
    void ReportStatus(const char* text);
    // Replaces the run's notice in the error file.
    void ReportNotice(const char* text);
    // Once, at the start of a helper host: SIGTERM, and the end of the front
    // end that started the host, stop the run at its next document.
    static void StopOnRequest();
#endif

    const char* GetServerName() const {
        return m_szServerName;
    }
    const char* GetUserName() const {
        return m_szUserName;
    }
    const char* GetPassword() const {
        return m_szPassword;
    }
    const char* GetMailDBName() const {
        return m_szMailDBName;
    }
    const char* GetTempFilePath() const {
        return m_szTempFilePath;
    }
    const char* GetFileName() const {
        return m_szFileName;
    }
    const char* GetParamFile() const {
        return m_szParamFile;
    }
    const char* GetErrorFile() const {
        return m_szErrorFile;
    }
    const char* GetStatusFile() const {
        return m_szStatusFile;
    }
    const char* GetDebugPath() const {
        return m_szDebugPath;
    }
    const char* GetDebugFile() const {
        return m_szDebugFile;
    }
    const char* GetIDFile() const {
        return m_szIDFile;
    }
    int GetDebugLevel() const {
        return m_nDebugLevel;
    }
    bool IsDebugEnabled() const {
        return m_bDebugEnabled;
    }
    int GetMode() const {
        return m_nMode;
    }

    // Caller blocks made with malloc; the list owns them from here on.
    void AddRefRecord(void* block);
    void* GetFirstRefRecord();
    void* GetNextRefRecord();
    void* GetPrevRefRecord();
    void* GetLastRefRecord();

protected:
    using LNStep = std::function<bool()>;

    // The load/submit cycle common to the kinds; `invoke` runs the kind's
    // helper and is true only when the helper ran to its end.
    bool LoadCycle_(const tagLNHelperKind& kind, const LNStep& invoke, const LNStep& load);
    // `settle` runs after a write-back that succeeded: the written records are done.
    bool SubmitCycle_(const tagLNHelperKind& kind, const LNStep& save, const LNStep& invoke,
                      const std::function<void()>& settle);
    // One helper run: the kind's parameter file is written anew (an older one
    // removed first), then the helper runs. True only when the helper ended
    // with code 0 and left its error report; otherwise the last error text
    // says why.
    bool RunHelper_(const tagLNHelperKind& kind, const LNStep& writeParams);
    void _ResetErrorInfo();
    // True when the error file holds a report at all.
    bool _UpdateErrorInfo();
    // The undo of the journaled `run` through `invoke` (the kind's helper);
    // true when the helper ran to its end without an error and told the outcome.
    bool UndoCycle_(const LNStep& invoke, const char* run, bool dryRun, tagLNUndoResult* result);
    // What the write-back just run left in the companion of the exchange file.
    int ChangedSinceLoad_() const;
    // The exchange file and its companions (load information, what was saved).
    void RemoveExchangeFiles_() const;
    void KeepLoadID_();
    // Records what the exchange file holds as written, for the helper to check.
    bool KeepSavedRecords_();
    // A record read again from the exchange file is no longer the one loaded
    // (`why`): the write-back stops before anything is written, and says so.
    void ReportDamage_(const char* why);
    // Runs another program than the kind's own helper host; empty: the kind's.
    void SetHelperName_(const char* name);

    // Constructor step of every kind: its four file names and the folder of
    // the running program as the temporary folder.
    void SetKindFiles_(const char* dataFile, const char* errorFile, const char* statusFile,
                       const char* paramFile);
    // Folder followed directly by `name` (the folder ends with its separator).
    void TempFilePath_(const char* name, char* path, std::size_t size) const;
    void RemoveTempFile_(const char* name) const;
    // The exchange data file to use for `name` (null or empty: m_szFileName).
    const char* ExchangeFileName_(const char* name) const;

    // Writes the parameter file of a helper run. `localName` is given only by
    // the contacts kind (item 1009); the others carry the mail database (1008).
    bool WriteParams_(const char* localName, bool withIDFile);

#ifdef LNACCESS_ENGINE
    // Steps of reading a parameter file inside a helper host.
    bool LoadParams_(const char* path, CxLNParamParser* parser);
    // False, with neither folder kept, when the temporary folder is not an
    // absolute path or the log's folder is a relative one.
    bool ReadCommonParams_(CxLNParamParser* parser);
    void ConfigureLog_(bool withFileName);
    // The mail database path, derived from the user name when none is given;
    // false when both are empty. Calendar and tasks log the path, the calendar
    // also a failed OSPathNetConstruct.
    bool ResolveMailDBName_(bool logPath, bool logConstructFailure);
    void ConstructMailDBName_(bool logConstructFailure);
    void ReadIDFile_(CxLNParamParser* parser);
    // ReadParamFile of the calendar and tasks: the steps above with the mail
    // database; `logConstructFailure` as for ResolveMailDBName_.
    bool ReadMailParams_(const char* path, bool logConstructFailure);
#endif

    bool m_bValid;
    bool m_bDirty;
    bool m_bHasError;
    CxList* m_pRefList;
    char m_szServerName[256];
    char m_szUserName[256];
    char m_szPassword[256];
    char m_szMailDBName[256];
    char m_szTempFilePath[256];
    char m_szFileName[256];
    char m_szParamFile[256];
    char m_szErrorFile[256];
    char m_szStatusFile[256];
    char m_szLastErrorMsg[1024];
    int32_t m_nErrorCount;
    char m_szDebugPath[256];
    char m_szDebugFile[256];
    char m_szIDFile[256];
    int32_t m_nDebugLevel;
    bool m_bDebugEnabled;
    int32_t m_nMode;
    char m_szHelperName[260];
    char m_szNotice[1024];
    int32_t m_nChangedSinceLoad;
    char m_szLoadID[64]; // of the load the records came from; empty when unknown
};
