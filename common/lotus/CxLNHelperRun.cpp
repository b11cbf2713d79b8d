// The load/submit cycle of the data objects: a helper host of the kind reads
// the records from Lotus Notes or writes them back, through files in the
// temporary folder.
#include "CxLNBaseUtil.h"

#include "common/lotus/CxLNDataReader.h"
#include "common/lotus/CxLNHelperKind.h"
#include "common/misc/CxDebugUtil.h"
#include "common/misc/CxString.h"

namespace {

void LogLine(int level, const char* line) {
    if (line)
        CX_LOG(level, "%s", line);
}

} // namespace

bool CxLNBaseUtil::LoadCycle_(const tagLNHelperKind& kind, const LNStep& invoke,
                              const LNStep& load) {
    ClearAll();
    LogLine(2, kind.szLoadStart);
    // A helper that writes no file must not leave the previous run's records.
    RemoveTempFile_(m_szFileName);
    m_nMode = 1;
    const bool loaded = invoke() && load();
    LogLine(loaded ? 2 : 0, loaded ? kind.szLoadDone : kind.szLoadFailed);
    return loaded;
}

bool CxLNBaseUtil::SubmitCycle_(const tagLNHelperKind& kind, const LNStep& save,
                                const LNStep& invoke, const std::function<void()>& settle) {
    if (!m_bDirty)
        return true;
    LogLine(2, kind.szSubmitStart);
    if (!save()) {
        CX_LOG_ERROR("Can not save information to temperary file.");
        return false;
    }
    m_nMode = 2;
    // The changes count as submitted only when the helper ran to its end
    // without reporting an error.
    if (!invoke() || m_bHasError)
        return false;
    settle();
    m_bDirty = false;
    return true;
}

bool CxLNBaseUtil::RunHelper_(const tagLNHelperKind& kind, bool paramsWritten) {
    _ResetErrorInfo();
    // What an earlier run left must not pass for this run's report.
    RemoveTempFile_(m_szStatusFile);
    RemoveTempFile_(m_szErrorFile);
    if (!paramsWritten) {
        // The helper would act on an older parameter file, if any.
        CX_LOG_ERROR("Can not write the parameter file: %s%s", m_szTempFilePath, m_szParamFile);
        return false;
    }
    CxLNDataReader* reader = GetLNDataReader(kind.nKind);
    if (!reader)
        return false;
    reader->SetHelperName(*m_szHelperName ? m_szHelperName : kind.szHelperName);
    reader->SetTempPath(m_szTempFilePath);
    reader->SetParamFileName(m_szParamFile);
    reader->SetDataFileName(m_szFileName);
    const bool ended = reader->Execute() == CxLNDataReader::Exited;
    _UpdateErrorInfo();
    return ended;
}

void CxLNBaseUtil::SetHelperName_(const char* name) {
    CxStrCopy(m_szHelperName, name);
}
