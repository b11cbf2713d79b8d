// Pages, main window and wait window that record what the controller asks.
#pragma once
#include <stdexcept>
#include <string>

#include "common/misc/CxList.h"
#include "wizard/controller/WizardController.h"

struct CallLog {
    std::string text;
    void Add(const std::string& entry) { text += (text.empty() ? "" : " ") + entry; }
    std::string Take() {
        std::string t = text;
        text.clear();
        return t;
    }
};

// Leaving behaves as the real page does: the mode page stores its kind, the
// access page loads, the definitions and selection pages need an entry.
class FakePage : public IWizardPage {
public:
    FakePage(const char* name, WizardPage id, CxWizardController& c, CallLog& log)
        : m_name(name), m_id(id), m_c(c), m_log(log) {}
    int kind = LN_KIND_ADDR;
    bool throwOnLeave = false;

    bool ExchangeData(bool leaving) override {
        m_log.Add(m_name + (leaving ? ".leave" : ".enter"));
        if (!leaving)
            return true;
        if (throwOnLeave)
            throw std::runtime_error("page failed");
        switch (m_id) {
        case WIZARD_PAGE_MODE:
            m_c.GetSettings().AppFlag = kind;
            return true;
        case WIZARD_PAGE_SOURCE:
            return m_c.LoadNotesData();
        case WIZARD_PAGE_UPDATE_FIELD:
            return m_c.GetUpdateDefinitions()->GetCount() > 0;
        case WIZARD_PAGE_ADDR_DATA:
        case WIZARD_PAGE_DATE_DATA:
        case WIZARD_PAGE_TASK_DATA:
            return m_c.GetSelectedRecords()->GetCount() > 0;
        default:
            return true;
        }
    }

private:
    std::string m_name;
    WizardPage m_id;
    CxWizardController& m_c;
    CallLog& m_log;
};

class FakeView : public IWizardView {
public:
    bool prev = true, next = false;
    std::string close, stepText;
    bool visible[WIZARD_PAGE_COUNT] = {};
    int errorReports = 0;

    void SetPageVisible(WizardPage page, bool on) override { visible[page] = on; }
    void EnablePrev(bool on) override { prev = on; }
    void EnableNext(bool on) override { next = on; }
    void SetCloseCaption(const char* caption) override { close = caption; }
    void SetStepText(const char* text) override { stepText = text; }
    void ShowErrorReport() override { ++errorReports; }

    // The one visible page, or -1 when none or several are.
    int VisiblePage() const {
        int shown = -1;
        for (int p = 0; p < WIZARD_PAGE_COUNT; ++p)
            if (visible[p])
                shown = shown == -1 ? p : -2;
        return shown < 0 ? -1 : shown;
    }
};

class FakeWait : public IWaitWindow {
public:
    explicit FakeWait(CallLog& log) : m_log(log) {}
    void StartWaitWindow() override { m_log.Add("start"); }
    void SetWaitText(const char* text) override { m_log.Add(std::string("text:") + text); }
    void SetWaitStatusFile(const char* path) override { m_log.Add(std::string("status:") + path); }
    void StopWaitWindow() override { m_log.Add("stop"); }
    bool RunWhileWaiting(const std::function<bool()>& load) override {
        m_log.Add("run");
        return load();
    }

private:
    CallLog& m_log;
};
