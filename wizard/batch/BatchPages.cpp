#include "BatchPages.h"

#include <cstdlib>

#include "common/misc/CxList.h"
#include "common/misc/CxString.h"
#include "platform/Cp1252.h"
#include "wizard/batch/BatchValues.h"
#include "wizard/controller/Apputil.h"
#include "wizard/controller/WizardController.h"

namespace {

// Paths keep their bytes; names and the password are texts of the records.
template <std::size_t N> void StorePath(char (&field)[N], const tagBatchText& option) {
    if (option.bGiven)
        CxStrCopy(field, option.value.c_str());
}

template <std::size_t N> void StoreText(char (&field)[N], const tagBatchText& option) {
    if (option.bGiven)
        CxStrCopy(field, platform::Utf8ToCp1252(option.value).c_str());
}

} // namespace

void StoreBatchAccess(const tagBatchInput& in, AppSettings* settings) {
    AppSettings& s = *settings;
    if (in.pOptions) {
        const tagBatchOptions& o = *in.pOptions;
        StorePath(s.NotesPath, o.notesPath);
        StorePath(s.AddrFile, o.addrFile);
        StoreText(s.ServerName, o.server);
        StoreText(s.UserName, o.user);
        StorePath(s.MailDBName, o.mailDB);
        StorePath(s.IDFile, o.idFile);
    }
    CxStrCopy(s.Password, platform::Utf8ToCp1252(in.password).c_str());
    // A password asked for on standard input is one the user gave, even empty.
    const bool fromStdin = in.pOptions && in.pOptions->passwordMode == BATCH_PASSWORD_STDIN;
    s.PasswordRequired = fromStdin || !in.password.empty();
}

bool CxBatchModePage::ExchangeData(bool leaving) {
    if (leaving)
        m_c.GetSettings().AppFlag = m_in.nKind;
    return true;
}

bool CxBatchSourcePage::ExchangeData(bool leaving) {
    AppSettings& s = m_c.GetSettings();
    if (!leaving) {
        if (!s.NotesPath[0])
            GetDefaultNotesExe(s.NotesPath, sizeof s.NotesPath);
        if (!s.AddrFile[0])
            GetDefaultAddrFile(s.AddrFile, sizeof s.AddrFile);
        if (!s.IDFile[0])
            GetDefaultIDFile(s.IDFile, sizeof s.IDFile);
        return true;
    }
    StoreBatchAccess(m_in, &s);
    return m_c.LoadNotesData();
}

bool CxBatchFieldsPage::ExchangeData(bool leaving) {
    CxList* list = m_c.GetUpdateDefinitions();
    if (!leaving || !list)
        return list != nullptr;
    if (list->GetCount() == 0)
        for (const tagFUFieldUpdate& def : m_in.definitions) {
            tagFUFieldUpdate* copy = CxWizardController::NewDefinition();
            if (!copy)
                return false;
            *copy = def;
            if (!list->Add(copy)) {
                std::free(copy);
                return false;
            }
        }
    return list->GetCount() > 0;
}

bool CxBatchRecordsPage::ExchangeData(bool leaving) {
    CxList* selected = m_c.GetSelectedRecords();
    if (!leaving || !selected)
        return selected != nullptr;
    selected->RemoveAll(false);
    if (SelectBatchRecords(m_c, m_in.conditions) == 0)
        return false;
    return !m_in.values || KeepBatchMatched(m_c, m_in.values.get()) > 0;
}
