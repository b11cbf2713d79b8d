// What the controller needs of the windows: the pages, the main window and
// the wait window. The windows implement these; tests and the command-line
// front end give their own.
#pragma once
#include <functional>

#include "wizard/controller/WizardSteps.h"

class IWizardPage {
public:
    virtual ~IWizardPage() = default;
    // false: fill the page from the shared state; true: validate and store,
    // false refuses leaving (the page has told the user why).
    virtual bool ExchangeData(bool leaving) = 0;
};

class IWizardView {
public:
    virtual ~IWizardView() = default;
    virtual void SetPageVisible(WizardPage page, bool visible) = 0;
    virtual void EnablePrev(bool on) = 0;
    virtual void EnableNext(bool on) = 0;
    virtual void SetCloseCaption(const char* caption) = 0;
    virtual void SetStepText(const char* text) = 0;
    // The error report dialog, after an exception inside a step change.
    virtual void ShowErrorReport() = 0;
};

// The wait window of a load. The default shows nothing and runs the load on
// the calling thread; a window that must keep painting runs `load` elsewhere.
class IWaitWindow {
public:
    virtual ~IWaitWindow() = default;
    virtual void StartWaitWindow() {}
    virtual void SetWaitText(const char*) {}
    virtual void SetWaitStatusFile(const char*) {}
    virtual void StopWaitWindow() {}
    virtual bool RunWhileWaiting(const std::function<bool()>& load) { return load(); }
};
