// The wizard controller: the step machine, the state every page shares, the
// load of the Notes records, start-up and shut-down. It knows no toolkit: it
// reaches the windows only through WizardInterfaces.h.
#pragma once
#include <functional>
#include <string>
#include <type_traits>
#include <utility>

#include "common/lotus/exchange/CxLNRunLock.h"
#include "wizard/controller/Apputil.h"
#include "wizard/controller/LNDataFactory.h"
#include "wizard/controller/WizardInterfaces.h"
#include "wizard/controller/WizardSteps.h"
#include "wizard/controller/WizardUpdate.h"

class CxList;
class CxLNBaseUtil;
class CxLNAddrUtil;
class CxLNDateUtil;
class CxLNTaskUtil;
struct tagLNUndoResult;
class CxVXLNAddrUtil;
class CxVXLNDateUtil;
class CxVXLNTaskUtil;
class CxFUProfileManager;
struct tagFUFieldInfo;
struct tagFUFieldUpdate;

class CxWizardController {
public:
    typedef std::function<void(int milliseconds)> PauseFn;

    CxWizardController();
    ~CxWizardController();
    CxWizardController(const CxWizardController&) = delete;
    CxWizardController& operator=(const CxWizardController&) = delete;

    // Wiring, before Start; none of them is owned. A missing page accepts
    // every call, a missing view shows nothing.
    void SetView(IWizardView* view) { m_pView = view; }
    void SetPage(WizardPage page, IWizardPage* instance);
    void SetWaitWindow(IWaitWindow* wait);
    void SetDataFactory(ILNDataFactory* factory);
    void SetPause(PauseFn pause) { m_pause = std::move(pause); }
    // A data folder held by another run is waited for (vxln-batch --wait),
    // `waiting` hearing once who holds it; otherwise the load fails and says who.
    void SetWaitForDataFolder(bool wait, std::function<void(const std::string&)> waiting = {}) {
        m_bWaitForFolder = wait;
        m_waiting = std::move(waiting);
    }

    // Data folder, settings file, settings, log writer, then step 0.
    void Start();
    // Saves the settings and frees the loaded data.
    void Shutdown();

    void GoToStep(int step);
    void UpdateView();
    void SetStepText(const char* text);
    bool LoadNotesData();
    // Takes back the journaled `run` (of any kind and database) with the
    // settings' access; false with the reason in GetLoadError().
    bool UndoRun(const char* run, bool dryRun, tagLNUndoResult* result);
    void FreeNotesData();
    static void InitDefinition(tagFUFieldUpdate* definition);
    // A cleared definition on the C heap, as UpdateDefinitions owns them;
    // null without memory.
    static tagFUFieldUpdate* NewDefinition();
    const tagFUFieldInfo* FindFieldInfo(int key) const;
    // The current kind's catalogue in table order. Constant data: unlike
    // FindFieldInfo it needs no load.
    int GetUpdateFieldCount() const;
    const tagFUFieldInfo* GetUpdateFieldInfo(int position) const;

    // Waits as the front end wishes: a window keeps painting, tests do not wait.
    void Pause(int milliseconds) { m_pause(milliseconds); }

    // The outcome of the last update run since the last load; null before one.
    void SetUpdateResult(const tagWizardUpdateResult& result);
    const tagWizardUpdateResult* GetUpdateResult() const {
        return m_bHaveUpdateResult ? &m_updateResult : nullptr;
    }

    int GetStep() const { return m_nStep; }
    AppSettings& GetSettings() { return m_settings; }
    const char* GetSettingsFile() const { return m_szSettingsFile; }
    // Empty when the data folder is not available.
    const char* GetDataFolderPath() const { return m_szDataFolder; }
    // Why the last load failed; empty after a load that succeeded.
    const char* GetLoadError() const { return m_szLoadError; }
    // Counts the loads, failed ones too: each frees the records of the one
    // before, so a page that shows records knows when its rows are stale.
    unsigned GetLoadNumber() const { return m_nLoadNumber; }
    // What the last load did otherwise than asked (which user it ran as);
    // empty when nothing.
    const char* GetLoadNotice() const { return m_szLoadNotice; }
    // What a run that died while it held the data folder had done, found by
    // the last load or undo; empty when nothing.
    const std::string& GetPreviousRunNotice() const { return m_runLock.PreviousRunNotice(); }
    // The last load or undo failed because another run holds the data folder.
    bool DataFolderWasHeld() const { return m_bFolderHeld; }
    // The data folder is this run's from its load to the end of its
    // write-back: the write-back begins (false, with the reason in `why`,
    // when the folder can not be had) and ends.
    bool BeginWriteBack(std::string* why);
    void EndWriteBack() { m_runLock.Release(); }

    CxLNAddrUtil* GetAddrUtil() const { return m_pAddrUtil; }
    CxLNDateUtil* GetDateUtil() const { return m_pDateUtil; }
    CxLNTaskUtil* GetTaskUtil() const { return m_pTaskUtil; }
    // The data object of the current kind, null before a load.
    CxLNBaseUtil* GetCurrentUtil() const;
    CxVXLNAddrUtil* GetAddrEngine() const { return m_pAddrEngine; }
    CxVXLNDateUtil* GetDateEngine() const { return m_pDateEngine; }
    CxVXLNTaskUtil* GetTaskEngine() const { return m_pTaskEngine; }
    CxFUProfileManager* GetProfiles() const { return m_pProfiles; }
    // Calls `fn(util, engine)` with the current kind's data object and update
    // engine (either null before a load) and gives its result; `none` when
    // no kind is chosen. Code written once for every kind starts here.
    template <class R, class Fn> R ForCurrentKind(R none, Fn fn) const;
    CxList* GetSelectedRecords() const { return m_pSelectedRecords; }
    CxList* GetUpdateDefinitions() const { return m_pUpdateDefinitions; }

private:
    bool ChangePages_(int target);
    bool Exchange_(WizardPage page, bool leaving);
    bool CreateDataObjects_();
    bool CreateRunState_();
    // Passes the access options to the chosen kind's object and loads it.
    bool LoadChosenKind_(const char* dataFolder);
    // The data object of the chosen kind with the settings' access, its wait
    // text "<action> Lotus Notes <kind>..." and status file; null, with the
    // load error set, when the settings cannot reach the kind.
    CxLNBaseUtil* ConfigureKind_(const char* dataFolder, const char* action);
    void SetLoadError_(const char* text);
    // Holds the data folder for this run unless it does already; false with
    // the load error set.
    bool TakeDataFolder_(const char* folder);

    AppSettings m_settings;
    char m_szDataFolder[260];
    char m_szSettingsFile[260];
    char m_szLoadError[1024];
    char m_szLoadNotice[1024];
    int m_nStep;
    unsigned m_nLoadNumber;

    IWizardView* m_pView;
    IWizardPage* m_apPages[WIZARD_PAGE_COUNT];
    IWaitWindow* m_pWait;
    ILNDataFactory* m_pFactory;
    PauseFn m_pause;

    CxLNAddrUtil* m_pAddrUtil;
    CxLNDateUtil* m_pDateUtil;
    CxLNTaskUtil* m_pTaskUtil;
    CxList* m_pSelectedRecords;   // references only
    CxList* m_pUpdateDefinitions; // owns its definitions (C heap)
    CxVXLNAddrUtil* m_pAddrEngine;
    CxVXLNDateUtil* m_pDateEngine;
    CxVXLNTaskUtil* m_pTaskEngine;
    CxFUProfileManager* m_pProfiles;
    tagWizardUpdateResult m_updateResult;
    bool m_bHaveUpdateResult;
    CxLNRunLock m_runLock;
    bool m_bWaitForFolder = false;
    bool m_bFolderHeld = false;
    std::function<void(const std::string&)> m_waiting;
};

template <class R, class Fn> R CxWizardController::ForCurrentKind(R none, Fn fn) const {
    switch (m_settings.AppFlag) {
    case LN_KIND_ADDR:
        return fn(m_pAddrUtil, m_pAddrEngine);
    case LN_KIND_DATE:
        return fn(m_pDateUtil, m_pDateEngine);
    case LN_KIND_TASK:
        return fn(m_pTaskUtil, m_pTaskEngine);
    default:
        return none;
    }
}

// The common record of the kind whose data object is a `Util`.
template <class Util>
using tagKindCommRec =
    std::remove_pointer_t<decltype(std::declval<Util&>().GetDataMgr()->GetFirstRec())>;
