// One run at a time in a data folder: a front end holds the folder from its
// load to the end of its write-back (or for an undo), and the helpers it
// starts hold it with it, so that no other run can replace the load
// information or the exchange files in between. Whoever finds the folder held
// is told which program holds it and since when; the next run after one that
// died during its write-back is told what that run did.
#pragma once
#include <functional>
#include <string>

#include "platform/FolderLock.h"

class CxLNRunLock {
public:
    // The lock file of every data folder.
    static const char* const kFileName; // "LNRun.lock"

    ~CxLNRunLock() { Release(); }

    // Takes the data folder `folder` (absolute, ending with '/'); false with
    // the reason in `why`: who holds it and since when. With `wait` it waits for the
    // folder and `waiting` hears once why.
    bool Take(const char* folder, bool wait, const std::function<void(const std::string&)>& waiting,
              std::string* why);
    bool IsHeld() const { return m_lock.IsHeld(); }
    // The last Take failed because another run holds the folder.
    bool HeldByAnother() const { return m_bHeldByAnother; }
    // Set by Take: what a run that died while it held the folder had done, as
    // a sentence for the user; empty when there is nothing to tell.
    const std::string& PreviousRunNotice() const { return m_sPreviousRun; }
    // What the run does now, for whoever finds the folder held, and for the
    // run after it should this one die.
    void BeginWriteBack() { Begin_("write-back"); }
    void BeginUndo() { Begin_("undo"); }
    void Release();

private:
    void Begin_(const char* work);

    platform::CxFolderLock m_lock;
    std::string m_sFolder;
    std::string m_sPreviousRun;
    bool m_bHeldByAnother = false;
};

// Who holds the data folder `folder` now ("vxln-batch (process 1234) since
// 2024-05-01 10:02:03"); empty when nobody does.
std::string LNDataFolderHolder(const std::string& folder);
