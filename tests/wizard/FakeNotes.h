// Data objects whose load reads a prepared exchange file from the data folder
// and whose write-back saves it there, so the controller runs without helpers.
#pragma once
#include <string>

#include "common/lotus/exchange/CxLNAddr.h"
#include "common/lotus/exchange/CxLNDate.h"
#include "common/lotus/exchange/CxLNTask.h"
#include "common/misc/CxString.h"
#include "wizard/controller/WizardController.h"

// What the fakes saw and how they behave; shared by every object of a test.
struct FakeJournal {
    int loads = 0;
    int submits = 0;
    bool failLoad = false;
    bool failCreate = false;
    std::string loadError;   // the helper's last error after a failed load
    std::string submitError; // the helper's last error after the write-back
    bool submitResult = true;
    // The access options of the object that loaded, as LoadAll saw them.
    std::string tempPath, server, user, password, mailDB, idFile, localName, debugPath;
    bool debugEnabled = false;
    int debugLevel = -1;
};

template <class Base> class FakeUtil : public Base {
public:
    explicit FakeUtil(FakeJournal* journal) : m_journal(journal) {}

    bool LoadAll() override {
        FakeJournal& j = *m_journal;
        ++j.loads;
        j.tempPath = this->GetTempFilePath();
        j.server = this->GetServerName();
        j.user = this->GetUserName();
        j.password = this->GetPassword();
        j.mailDB = this->GetMailDBName();
        j.idFile = this->GetIDFile();
        j.debugPath = this->GetDebugPath();
        j.debugEnabled = this->IsDebugEnabled();
        j.debugLevel = this->GetDebugLevel();
        NoteLocalName(this);
        this->ClearAll();
        if (j.failLoad) {
            this->m_bHasError = !j.loadError.empty();
            CxStrCopy(this->m_szLastErrorMsg, j.loadError.c_str());
            return false;
        }
        return this->LoadFromFile(nullptr);
    }

    bool SubmitChanges() override {
        ++m_journal->submits;
        const bool saved = this->SaveToFile(nullptr);
        this->m_bHasError = !m_journal->submitError.empty();
        CxStrCopy(this->m_szLastErrorMsg, m_journal->submitError.c_str());
        return saved && m_journal->submitResult;
    }

private:
    void NoteLocalName(CxLNAddrUtil* addr) { m_journal->localName = addr->GetLocalName(); }
    void NoteLocalName(CxLNBaseUtil*) {}

    FakeJournal* m_journal;
};

class FakeFactory : public ILNDataFactory {
public:
    FakeJournal journal;
    CxLNAddrUtil* CreateAddrUtil() override {
        return journal.failCreate ? nullptr : new FakeUtil<CxLNAddrUtil>(&journal);
    }
    CxLNDateUtil* CreateDateUtil() override { return new FakeUtil<CxLNDateUtil>(&journal); }
    CxLNTaskUtil* CreateTaskUtil() override { return new FakeUtil<CxLNTaskUtil>(&journal); }
};

// Writes the exchange file of `Util` into `folder` with the given records.
template <class Util, class Rec>
bool WriteExchangeFile(const std::string& folder, const Rec* recs, int n) {
    Util writer;
    writer.SetTempFilePath(folder.c_str());
    for (int i = 0; i < n; ++i)
        writer.AddRec(&recs[i]);
    return writer.SaveToFile(nullptr);
}

inline tagCxLNAddrRec MakeContact(const char* id, const char* first, const char* last,
                                  const char* company = "Acme Inc") {
    tagCxLNAddrRec rec;
    CxLNAddrUtil::InitRec(&rec);
    CxStrCopy(rec.szID, id);
    CxStrCopy(rec.szFirstName, first);
    CxStrCopy(rec.szLastName, last);
    CxStrCopy(rec.szCompany, company);
    return rec;
}

inline tagCxLNTaskRec MakeTask(const char* id, const char* subject) {
    tagCxLNTaskRec rec;
    CxLNTaskUtil::InitRec(&rec);
    CxStrCopy(rec.szID, id);
    CxStrCopy(rec.szSubject, subject);
    return rec;
}
