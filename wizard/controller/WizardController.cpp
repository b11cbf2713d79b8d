#include "WizardController.h"

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <new>
#include <string>
#include <thread>

#include "common/lotus/exchange/CxLNAddr.h"
#include "common/lotus/exchange/CxLNDate.h"
#include "common/lotus/exchange/CxLNHelperKind.h"
#include "common/lotus/exchange/CxLNTask.h"
#include "common/misc/CxDebugUtil.h"
#include "common/misc/CxList.h"
#include "common/misc/CxString.h"
#include "wizard/controller/WizardKinds.h"
#include "wizard/update/Vxcommon.h"
#include "wizard/update/Vxlnaddr.h"
#include "wizard/update/Vxlndate.h"
#include "wizard/update/Vxlntask.h"

namespace {

IWaitWindow g_noWaitWindow;
ILNDataFactory g_defaultFactory;

const char kNoMemory[] = "Not enough memory to load the Lotus Notes records.";
const char kNoAddrFile[] = "No Lotus Notes contacts database is given.";
const char kNoMailAccess[] =
    "Give the Domino server and the user name, or the path of the mail database.";
const char kNoPassword[] =
    "A password is required: give the password of the ID file, or say that none is required.";

void Sleep(int milliseconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

bool HasMailAccess(const AppSettings& s) {
    return (s.ServerName[0] && s.UserName[0]) || s.MailDBName[0];
}

// The setters every kind shares, in the order the helper's parameters expect.
void SetAccess(CxLNBaseUtil* util, const AppSettings& s, const char* folder) {
    util->SetTempFilePath(folder);
    util->SetServerName(s.ServerName);
    util->SetUserName(s.UserName);
    util->SetPassword(s.Password);
}

void SetLog(CxLNBaseUtil* util, const AppSettings& s, const char* folder) {
    util->SetDebugPath(folder);
    util->EnableDebug(s.EnableDebug);
    util->SetDebugLevel(s.LogLevel);
}

} // namespace

CxWizardController::CxWizardController()
    : m_settings(), m_szDataFolder(), m_szSettingsFile(), m_szLoadError(), m_szLoadNotice(),
      m_nStep(0), m_nLoadNumber(0), m_pView(nullptr), m_apPages(), m_pWait(&g_noWaitWindow),
      m_pFactory(&g_defaultFactory), m_pause(Sleep), m_pAddrUtil(nullptr), m_pDateUtil(nullptr),
      m_pTaskUtil(nullptr), m_pSelectedRecords(nullptr), m_pUpdateDefinitions(nullptr),
      m_pAddrEngine(nullptr), m_pDateEngine(nullptr), m_pTaskEngine(nullptr), m_pProfiles(nullptr),
      m_updateResult(), m_bHaveUpdateResult(false) {
    m_settings.AppFlag = LN_KIND_ADDR;
    m_settings.LogLevel = 3;
}

CxWizardController::~CxWizardController() {
    FreeNotesData();
}

void CxWizardController::SetPage(WizardPage page, IWizardPage* instance) {
    if (page >= 0 && page < WIZARD_PAGE_COUNT)
        m_apPages[page] = instance;
}

void CxWizardController::SetWaitWindow(IWaitWindow* wait) {
    m_pWait = wait ? wait : &g_noWaitWindow;
}

void CxWizardController::SetDataFactory(ILNDataFactory* factory) {
    m_pFactory = factory ? factory : &g_defaultFactory;
}

void CxWizardController::Start() {
    char folder[260] = "";
    const bool haveFolder = GetDataFolder(folder);
    CxStrCopy(m_szDataFolder, haveFolder ? folder : "");
    ::GetSettingsFile(m_szDataFolder, m_szSettingsFile, sizeof m_szSettingsFile);
    LoadSettings(&m_settings, m_szSettingsFile);

    // A run that was cut short may have left a parameter file with a password.
    LNRemoveParamFiles(m_szDataFolder);
    CxDebugUtil* log = GetDebugUtil();
    if (haveFolder)
        log->SetPath(m_szDataFolder);
    log->Enable(m_settings.EnableDebug);
    log->SetLevel(m_settings.LogLevel);

    FreeNotesData();
    m_nStep = WIZARD_STEP_MODE;
    GoToStep(WIZARD_STEP_MODE);
}

void CxWizardController::Shutdown() {
    SaveSettings(&m_settings, m_szSettingsFile);
    FreeNotesData();
}

bool CxWizardController::Exchange_(WizardPage page, bool leaving) {
    IWizardPage* instance = m_apPages[page];
    return instance ? instance->ExchangeData(leaving) : true;
}

// Forward moves leave the page before the target and enter the target; a
// move back or onto the same step asks no page.
bool CxWizardController::ChangePages_(int target) {
    if (target == WIZARD_STEP_MODE) {
        Exchange_(WIZARD_PAGE_MODE, false);
        return true;
    }
    if (target > m_nStep) {
        if (!Exchange_(GetStepPage(target - 1, m_settings.AppFlag), true))
            return false;
        // The mode page may just have changed the kind.
        Exchange_(GetStepPage(target, m_settings.AppFlag), false);
    }
    return true;
}

void CxWizardController::GoToStep(int step) {
    const int target = step < 0 ? 0 : (step > 5 ? 5 : step);
    try {
        if (!ChangePages_(target))
            return;
        m_nStep = target;
        UpdateView();
    } catch (...) {
        if (m_pView)
            m_pView->ShowErrorReport();
    }
}

void CxWizardController::UpdateView() {
    if (!m_pView)
        return;
    m_pView->EnablePrev(m_nStep > WIZARD_STEP_MODE && m_nStep < WIZARD_STEP_FINISH);
    m_pView->EnableNext(m_nStep < WIZARD_STEP_FINISH);
    m_pView->SetCloseCaption(m_nStep == WIZARD_STEP_FINISH ? "&Finish" : "&Cancel");
    const WizardPage shown = GetStepPage(m_nStep, m_settings.AppFlag);
    for (int page = 0; page < WIZARD_PAGE_COUNT; ++page)
        m_pView->SetPageVisible(static_cast<WizardPage>(page), page == shown);
    m_pView->SetStepText(GetStepText(m_nStep));
}

void CxWizardController::SetStepText(const char* text) {
    if (m_pView)
        m_pView->SetStepText(text ? text : "");
}

void CxWizardController::SetLoadError_(const char* text) {
    CxStrCopy(m_szLoadError, text);
}

bool CxWizardController::CreateDataObjects_() {
    m_pAddrUtil = m_pFactory->CreateAddrUtil();
    m_pDateUtil = m_pFactory->CreateDateUtil();
    m_pTaskUtil = m_pFactory->CreateTaskUtil();
    return m_pAddrUtil && m_pDateUtil && m_pTaskUtil;
}

bool CxWizardController::CreateRunState_() {
    m_pSelectedRecords = new (std::nothrow) CxList;
    m_pUpdateDefinitions = new (std::nothrow) CxList;
    if (!m_pSelectedRecords || !m_pUpdateDefinitions)
        return false;
    m_pAddrEngine = new (std::nothrow) CxVXLNAddrUtil;
    m_pDateEngine = new (std::nothrow) CxVXLNDateUtil;
    m_pTaskEngine = new (std::nothrow) CxVXLNTaskUtil;
    m_pProfiles = new (std::nothrow) CxFUProfileManager;
    if (m_pAddrEngine)
        m_pAddrEngine->SetLNUtil(m_pAddrUtil);
    if (m_pDateEngine)
        m_pDateEngine->SetLNUtil(m_pDateUtil);
    if (m_pTaskEngine)
        m_pTaskEngine->SetLNUtil(m_pTaskUtil);
    return m_pAddrEngine && m_pDateEngine && m_pTaskEngine && m_pProfiles;
}

CxLNBaseUtil* CxWizardController::ConfigureKind_(const char* folder, const char* action) {
    const AppSettings& s = m_settings;
    const int kind = s.AppFlag;
    CxLNBaseUtil* util = nullptr;
    const char* statusFile = "";
    char text[128];
    if (kind & LN_KIND_ADDR) {
        if (!s.AddrFile[0]) {
            SetLoadError_(kNoAddrFile);
            return nullptr;
        }
        CxStrFormat(text, sizeof text, "%s Lotus Notes Contacts...", action);
        m_pWait->SetWaitText(text);
        m_pause(200);
        SetAccess(m_pAddrUtil, s, folder);
        m_pAddrUtil->SetLocalName(s.AddrFile);
        m_pAddrUtil->SetMailDBName(s.MailDBName);
        util = m_pAddrUtil;
        statusFile = "%sLNAddrStatus.dat";
    } else if (kind & (LN_KIND_DATE | LN_KIND_TASK)) {
        if (!HasMailAccess(s)) {
            SetLoadError_(kNoMailAccess);
            return nullptr;
        }
        // A refused password must not let the run go on as another user, so
        // an empty one is not taken for "none".
        if (s.PasswordRequired && !s.Password[0]) {
            SetLoadError_(kNoPassword);
            return nullptr;
        }
        const bool date = (kind & LN_KIND_DATE) != 0;
        CxStrFormat(text, sizeof text, "%s Lotus Notes %s...", action, date ? "Calendar" : "Tasks");
        m_pWait->SetWaitText(text);
        util = date ? static_cast<CxLNBaseUtil*>(m_pDateUtil) : m_pTaskUtil;
        SetAccess(util, s, folder);
        util->SetMailDBName(s.MailDBName);
        util->SetIDFile(s.IDFile);
        statusFile = date ? "%sLNDateStatus.dat" : "%sLNTaskStatus.dat";
    } else {
        SetLoadError_("Unknown record kind.");
        return nullptr;
    }
    SetLog(util, s, folder);
    char path[512];
    CxStrFormat(path, sizeof path, statusFile, folder);
    m_pWait->SetWaitStatusFile(path);
    return util;
}

bool CxWizardController::LoadChosenKind_(const char* folder) {
    const int kind = m_settings.AppFlag;
    CxLNBaseUtil* util = ConfigureKind_(folder, "Loading");
    if (!util)
        return false;
    const bool loaded = m_pWait->RunWhileWaiting([util] { return util->LoadAll(); });
    CxStrCopy(m_szLoadNotice, util->GetNotice());
    if (!loaded) {
        char failed[128];
        CxStrFormat(failed, sizeof failed, "Failed to load %s information.", GetKindName(kind));
        SetLoadError_(util->GetLastErrorMsg()[0] ? util->GetLastErrorMsg() : failed);
    }
    return loaded;
}

bool CxWizardController::LoadNotesData() {
    FreeNotesData();
    ++m_nLoadNumber;
    SetLoadError_("");
    m_szLoadNotice[0] = '\0';
    if (!CreateDataObjects_()) {
        FreeNotesData();
        SetLoadError_(kNoMemory);
        return false;
    }
    // The parameter file holds the password: without a private data folder
    // there is no place for it.
    char folder[260] = "";
    std::string problem;
    const bool haveFolder = GetDataFolder(folder, &problem);
    if (!haveFolder)
        SetLoadError_(problem.c_str());
    const bool held = haveFolder && TakeDataFolder_(folder);
    m_pWait->StartWaitWindow();
    const bool result = held && LoadChosenKind_(folder);
    m_pWait->StopWaitWindow();
    // Without records there is nothing to hold the folder for.
    if (!result)
        m_runLock.Release();
    if (!CreateRunState_()) {
        FreeNotesData();
        SetLoadError_(kNoMemory);
        return false;
    }
    return result;
}

bool CxWizardController::TakeDataFolder_(const char* folder) {
    m_bFolderHeld = false;
    if (m_runLock.IsHeld())
        return true;
    std::string why;
    if (m_runLock.Take(folder, m_bWaitForFolder, m_waiting, &why))
        return true;
    m_bFolderHeld = m_runLock.HeldByAnother();
    SetLoadError_((why + (m_bFolderHeld ? " Try again when it has finished." : "")).c_str());
    return false;
}

bool CxWizardController::BeginWriteBack(std::string* why) {
    SetLoadError_("");
    if (!TakeDataFolder_(m_szDataFolder)) {
        *why = m_szLoadError;
        return false;
    }
    m_runLock.BeginWriteBack();
    return true;
}

void CxWizardController::FreeNotesData() {
    m_runLock.Release();
    delete m_pAddrUtil;
    delete m_pDateUtil;
    delete m_pTaskUtil;
    if (m_pSelectedRecords)
        m_pSelectedRecords->RemoveAll(false);
    delete m_pSelectedRecords;
    if (m_pUpdateDefinitions)
        m_pUpdateDefinitions->RemoveAll(true);
    delete m_pUpdateDefinitions;
    delete m_pAddrEngine;
    delete m_pDateEngine;
    delete m_pTaskEngine;
    delete m_pProfiles;
    m_pAddrUtil = nullptr;
    m_pDateUtil = nullptr;
    m_pTaskUtil = nullptr;
    m_pSelectedRecords = nullptr;
    m_pUpdateDefinitions = nullptr;
    m_pAddrEngine = nullptr;
    m_pDateEngine = nullptr;
    m_pTaskEngine = nullptr;
    m_pProfiles = nullptr;
    m_bHaveUpdateResult = false;
}

void CxWizardController::SetUpdateResult(const tagWizardUpdateResult& result) {
    m_updateResult = result;
    m_bHaveUpdateResult = true;
}

void CxWizardController::InitDefinition(tagFUFieldUpdate* definition) {
    if (!definition)
        return;
    std::memset(definition, 0, sizeof *definition);
    definition->nFieldKey = -1;
}

tagFUFieldUpdate* CxWizardController::NewDefinition() {
    auto* definition = static_cast<tagFUFieldUpdate*>(std::malloc(sizeof(tagFUFieldUpdate)));
    InitDefinition(definition);
    return definition;
}

const tagFUFieldInfo* CxWizardController::FindFieldInfo(int key) const {
    return ForCurrentKind<const tagFUFieldInfo*>(nullptr, [key](auto*, auto* engine) {
        return engine ? engine->FindUpdateField(key) : nullptr;
    });
}

int CxWizardController::GetUpdateFieldCount() const {
    const tagWizardKind* kind = GetWizardKind(m_settings.AppFlag);
    return kind ? kind->count() : 0;
}

const tagFUFieldInfo* CxWizardController::GetUpdateFieldInfo(int position) const {
    const tagWizardKind* kind = GetWizardKind(m_settings.AppFlag);
    return kind ? kind->at(position) : nullptr;
}

CxLNBaseUtil* CxWizardController::GetCurrentUtil() const {
    return ForCurrentKind<CxLNBaseUtil*>(nullptr,
                                         [](CxLNBaseUtil* util, const void*) { return util; });
}
