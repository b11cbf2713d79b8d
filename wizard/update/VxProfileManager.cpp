#include "Vxcommon.h"

#include "common/misc/CxFile.h"
#include "common/misc/CxList.h"

CxFUProfileManager::CxFUProfileManager()
    : m_szProfilePath(), m_pProfileFile(new CxFile), m_pProfileList(new CxList) {}

CxFUProfileManager::~CxFUProfileManager() {
    ClearProfiles();
    delete m_pProfileFile;
    delete m_pProfileList;
}

void CxFUProfileManager::ClearProfiles() {
    for (void* p = m_pProfileList->GetFirst(); p; p = m_pProfileList->GetNext()) {
        tagFUProfile* profile = static_cast<tagFUProfile*>(p);
        if (profile->pDefinitions)
            profile->pDefinitions->RemoveAll(true);
        delete profile->pDefinitions;
        delete profile;
    }
    m_pProfileList->RemoveAll(false);
}
