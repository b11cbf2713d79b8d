// Wizard side of the error file: what the last helper run reported.
#include "CxLNBaseUtil.h"

#include "common/lotus/exchange/CxLNErrorFile.h"

void CxLNBaseUtil::_ResetErrorInfo() {
    m_bHasError = false;
    m_szLastErrorMsg[0] = '\0';
    m_szNotice[0] = '\0';
    m_nChangedSinceLoad = 0;
}

bool CxLNBaseUtil::_UpdateErrorInfo() {
    _ResetErrorInfo();
    CxLNErrorFile file(m_szTempFilePath, m_szErrorFile);
    const int count = file.ReadCount();
    if (count <= 0) {
        // Looked for only when there are no errors to pass on the way to it.
        file.ReadNotice(m_szNotice, sizeof m_szNotice);
        return file.HasCount();
    }
    // The object keeps the last error the helper reported.
    file.ReadError(count, m_szLastErrorMsg, sizeof m_szLastErrorMsg);
    m_bHasError = true;
    return true;
}
