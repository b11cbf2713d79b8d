// The frame of the data objects: defaults, access options, file names and
// the reference records.
#include "CxLNBaseUtil.h"

#include <cstdio>
#include <cstdlib>

#include "common/misc/CxList.h"
#include "common/misc/CxString.h"
#include "common/misc/WinUtil.h"

CxLNBaseUtil::CxLNBaseUtil()
    : m_bValid(false), m_bDirty(true), m_bHasError(false), m_pRefList(new CxList), m_szServerName(),
      m_szUserName(), m_szPassword(), m_szMailDBName(), m_szTempFilePath(), m_szFileName(),
      m_szParamFile(), m_szErrorFile(), m_szStatusFile(), m_szLastErrorMsg(), m_nErrorCount(0),
      m_szDebugPath(), m_szDebugFile(), m_szIDFile(), m_nDebugLevel(3), m_bDebugEnabled(false),
      m_nMode(0), m_szHelperName(), m_szNotice(), m_nChangedSinceLoad(0), m_szLoadID() {
    CxStrCopy(m_szDebugFile, "appdebug.log");
}

CxLNBaseUtil::~CxLNBaseUtil() {
    CxLNBaseUtil::ClearAll();
    delete m_pRefList;
}

bool CxLNBaseUtil::LoadAll() {
    return true;
}

bool CxLNBaseUtil::ClearAll() {
    m_pRefList->RemoveAll(true);
    RemoveTempFile_(m_szStatusFile);
    RemoveTempFile_(m_szErrorFile);
    return true;
}

void CxLNBaseUtil::RemoveTempFile_(const char* name) const {
    // Without a name the path would be the folder itself.
    if (!*name)
        return;
    char path[512];
    TempFilePath_(name, path, sizeof path);
    std::remove(path);
}

bool CxLNBaseUtil::SubmitChanges() {
    return m_bValid;
}

void CxLNBaseUtil::SetServerName(const char* text) {
    CxStrCopy(m_szServerName, text);
}
void CxLNBaseUtil::SetUserName(const char* text) {
    CxStrCopy(m_szUserName, text);
}
void CxLNBaseUtil::SetPassword(const char* text) {
    CxStrCopy(m_szPassword, text);
}
void CxLNBaseUtil::SetMailDBName(const char* text) {
    CxStrCopy(m_szMailDBName, text);
}
void CxLNBaseUtil::SetTempFilePath(const char* text) {
    CxStrCopy(m_szTempFilePath, text);
}
void CxLNBaseUtil::SetFileName(const char* text) {
    CxStrCopy(m_szFileName, text);
}
void CxLNBaseUtil::SetParamFile(const char* text) {
    CxStrCopy(m_szParamFile, text);
}
void CxLNBaseUtil::SetErrorFile(const char* text) {
    CxStrCopy(m_szErrorFile, text);
}
void CxLNBaseUtil::SetStatusFile(const char* text) {
    CxStrCopy(m_szStatusFile, text);
}
void CxLNBaseUtil::SetDebugPath(const char* text) {
    CxStrCopy(m_szDebugPath, text);
}
void CxLNBaseUtil::SetDebugFile(const char* text) {
    CxStrCopy(m_szDebugFile, text);
}
void CxLNBaseUtil::SetIDFile(const char* text) {
    CxStrCopy(m_szIDFile, text);
}

void CxLNBaseUtil::AddRefRecord(void* block) {
    if (block)
        m_pRefList->Add(block);
}

void* CxLNBaseUtil::GetFirstRefRecord() {
    return m_pRefList->GetFirst();
}
void* CxLNBaseUtil::GetNextRefRecord() {
    return m_pRefList->GetNext();
}
void* CxLNBaseUtil::GetPrevRefRecord() {
    return m_pRefList->GetPrev();
}
void* CxLNBaseUtil::GetLastRefRecord() {
    return m_pRefList->GetLast();
}

void CxLNBaseUtil::SetKindFiles_(const char* dataFile, const char* errorFile,
                                 const char* statusFile, const char* paramFile) {
    SetFileName(dataFile);
    SetErrorFile(errorFile);
    SetStatusFile(statusFile);
    SetParamFile(paramFile);
    char folder[CX_MAX_PATH] = "";
    GetModulePath(nullptr, folder);
    SetTempFilePath(folder);
}

void CxLNBaseUtil::TempFilePath_(const char* name, char* path, std::size_t size) const {
    CxStrFormat(path, size, "%s%s", m_szTempFilePath, name ? name : "");
}

const char* CxLNBaseUtil::ExchangeFileName_(const char* name) const {
    return name && *name ? name : m_szFileName;
}
