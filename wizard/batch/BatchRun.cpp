#include "BatchRun.h"

#include <string>
#include <vector>

#include "ZembrikVersion.h"
#include "common/misc/CxList.h"
#include "platform/Cp1252.h"
#include "platform/Interrupt.h"
#include "wizard/batch/BatchCuts.h"
#include "wizard/batch/BatchDiff.h"
#include "wizard/batch/BatchJournal.h"
#include "wizard/batch/BatchKinds.h"
#include "wizard/batch/BatchPages.h"
#include "wizard/batch/BatchPassword.h"
#include "wizard/batch/BatchProgress.h"
#include "wizard/batch/BatchValues.h"
#include "wizard/batch/BatchWait.h"
#include "wizard/controller/WizardController.h"
#include "wizard/controller/WizardSelection.h"
#include "wizard/controller/WizardUpdate.h"
#include "wizard/controller/WizardWritten.h"

namespace {

const char kProgram[] = "vxln-batch";

int Usage(const tagBatchIO& io, const std::string& message) {
    std::fprintf(io.err, "%s: %s\nTry '%s --help'.\n", kProgram, message.c_str(), kProgram);
    return BATCH_EXIT_USAGE;
}

bool ExpandUpdates(const std::vector<tagBatchUpdateSpec>& given,
                   std::vector<tagBatchUpdateSpec>* specs, std::string* error) {
    for (const tagBatchUpdateSpec& spec : given) {
        if (spec.op != "updates")
            specs->push_back(spec);
        else if (!ReadBatchUpdatesFile(spec.text, specs, error))
            return false;
    }
    return true;
}

// Everything the command line says, checked before anything is loaded.
bool Prepare(const tagBatchOptions& o, const tagBatchKind& kind, tagBatchInput* in,
             std::string* error) {
    std::vector<tagBatchUpdateSpec> specs;
    if (!ExpandUpdates(o.updates, &specs, error))
        return false;
    for (const tagBatchUpdateSpec& spec : specs) {
        tagFUFieldUpdate def;
        std::string why;
        if (!ParseBatchUpdate(kind, spec, &def, &why)) {
            *error = spec.origin + " \"" + spec.text + "\": " + why;
            return false;
        }
        in->definitions.push_back(def);
    }
    if (!ReadBatchValues(o, kind, &in->values, &in->definitions, error))
        return false;
    if (in->definitions.empty()) {
        *error = "Please add some field updating information.";
        return false;
    }
    for (const std::string& text : o.where) {
        tagBatchCondition condition;
        if (!ParseBatchCondition(kind.nKind, text, &condition, error))
            return false;
        in->conditions.push_back(condition);
    }
    in->nKind = kind.nKind;
    in->pOptions = &o;
    return true;
}

// The finish page's report as lines of text; `written`, when not empty, says
// what a write-back that failed did change.
std::string FinishReport(const tagFinishTexts& t, const std::string& written) {
    return "Application Type: " + t.sApp + "\n" + "Fields to Update: " + t.sFields + "\n" +
           "Records Upated: " + t.sRecords + "\n" + (written.empty() ? "" : written + "\n") +
           "Result: " + platform::Cp1252ToUtf8(t.sResult) + "\n";
}

int Finish(CxWizardController& c, const tagBatchIO& io) {
    CxBatchProgress bar(io.err);
    const tagWizardUpdateResult result =
        RunWizardUpdate(c, [&bar](uint32_t i, uint32_t n) { bar.Step(i, n); });
    bar.Finish();
    std::fputs(BatchCutReport(c).c_str(), io.out);
    if (result.sNotice != c.GetLoadNotice())
        BatchComplain(io, result.sNotice);
    c.GoToStep(WIZARD_STEP_FINISH);
    const tagFinishTexts texts = MakeFinishTexts(
        c.GetSettings().AppFlag, c.GetUpdateDefinitions()->GetCount(), result.nSelected, &result);
    const std::string written =
        DescribeConfirmedWrites(result, "vxln-batch undo " + result.sRun + " puts them back.");
    std::fputs(FinishReport(texts, written).c_str(), io.out);
    return result.bSubmitFailed ? BATCH_EXIT_FAILED : BATCH_EXIT_OK;
}

int DryRun(CxWizardController& c, const tagBatchIO& io) {
    unsigned changed = 0;
    std::fputs(RunBatchDryRun(c, &changed).c_str(), io.out);
    std::fputs(BatchCutReport(c).c_str(), io.out);
    const std::string damage = SelectedRecordsDamage(c);
    if (!damage.empty()) {
        BatchComplain(io, damage + "; the dry run is not complete. Load the records again.");
        return BATCH_EXIT_FAILED;
    }
    std::fprintf(io.out,
                 "Dry run: %u of %u selected records would change; nothing was written back.\n",
                 changed, c.GetSelectedRecords()->GetCount());
    return BATCH_EXIT_OK;
}

// What the values file matched, and the unmatched keys into --unmatched FILE.
bool TellBatchValues(const tagBatchValues& values, const tagBatchOptions& o, const tagBatchIO& io) {
    std::fputs(BatchValuesReport(values).c_str(), io.out);
    std::fflush(io.out);
    std::string error;
    if (o.unmatchedFile.empty() || WriteBatchUnmatched(o.unmatchedFile, values, &error))
        return true;
    BatchComplain(io, platform::Utf8ToCp1252(error));
    return false;
}

// The wizard's road from the mode page to the finish page.
int Walk(const tagBatchInput& in, const tagBatchIO& io, ILNDataFactory* factory) {
    CxWizardController c;
    CxBatchModePage mode(c, in);
    CxBatchSourcePage source(c, in);
    CxBatchFieldsPage fields(c, in);
    CxBatchRecordsPage records(c, in);
    CxBatchWait wait(io.err);
    c.SetPage(WIZARD_PAGE_MODE, &mode);
    c.SetPage(WIZARD_PAGE_SOURCE, &source);
    c.SetPage(WIZARD_PAGE_UPDATE_FIELD, &fields);
    c.SetPage(WIZARD_PAGE_ADDR_DATA, &records);
    c.SetPage(WIZARD_PAGE_DATE_DATA, &records);
    c.SetPage(WIZARD_PAGE_TASK_DATA, &records);
    StartBatchController(c, *in.pOptions, io, &wait, factory);

    c.GoToStep(WIZARD_STEP_SOURCE);
    c.GoToStep(WIZARD_STEP_FIELDS);
    if (c.GetStep() != WIZARD_STEP_FIELDS) {
        BatchComplainLoad(c, io);
        return BATCH_EXIT_FAILED;
    }
    if (!c.GetPreviousRunNotice().empty())
        BatchComplain(io, c.GetPreviousRunNotice());
    if (c.GetLoadNotice()[0])
        BatchComplain(io, c.GetLoadNotice());
    c.GoToStep(WIZARD_STEP_RECORDS);
    c.GoToStep(WIZARD_STEP_PROC);
    if (in.values && in.values->bMatched && !TellBatchValues(*in.values, *in.pOptions, io))
        return BATCH_EXIT_FAILED;
    if (c.GetStep() != WIZARD_STEP_PROC) {
        BatchComplain(io, "no record matches; nothing was updated.");
        return BATCH_EXIT_OK;
    }
    return in.pOptions->bDryRun ? DryRun(c, io) : Finish(c, io);
}

int Undo(const tagBatchOptions& o, const tagBatchIO& io, ILNDataFactory* factory) {
    if (o.undoRun.empty())
        return Usage(io, "Name the run to undo, as \"vxln-batch journal\" lists it.");
    tagBatchInput in;
    in.pOptions = &o;
    in.password = ReadBatchPassword(o.passwordMode, io.in, io.err);
    return RunBatchUndo(in, io, factory);
}

} // namespace

void BatchComplain(const tagBatchIO& io, const std::string& text) {
    std::fprintf(io.err, "%s: %s\n", kProgram, platform::Cp1252ToUtf8(text).c_str());
}

void StartBatchController(CxWizardController& c, const tagBatchOptions& o, const tagBatchIO& io,
                          CxBatchWait* wait, ILNDataFactory* factory) {
    c.SetWaitWindow(wait);
    c.SetDataFactory(factory);
    c.SetPause([](int) {});
    c.SetWaitForDataFolder(o.bWait, [io](const std::string& text) { BatchComplain(io, text); });
    c.Start();
}

void BatchComplainLoad(const CxWizardController& c, const tagBatchIO& io) {
    BatchComplain(io, c.GetLoadError());
    if (c.DataFolderWasHeld())
        BatchComplain(io, "--wait waits for the data folder instead.");
}

int RunBatch(int argc, const char* const* argv, const tagBatchIO& io, ILNDataFactory* factory) {
    tagBatchOptions o;
    std::string error;
    if (!ParseBatchOptions(argc, argv, &o, &error))
        return Usage(io, error);
    if (o.bHelp) {
        std::fputs(kBatchUsage, io.out);
        return BATCH_EXIT_OK;
    }
    if (o.bVersion) {
        std::fprintf(io.out, "%s %s\n", kProgram, ZEMBRIK_VERSION);
        return BATCH_EXIT_OK;
    }
    if (!o.listFields.empty()) {
        const tagBatchKind* kind = FindBatchKind(o.listFields);
        if (!kind)
            return Usage(io, "Unknown record kind \"" + o.listFields + "\".");
        std::fputs(DescribeBatchFields(*kind).c_str(), io.out);
        return BATCH_EXIT_OK;
    }
    if (o.kind.empty())
        return Usage(io, "Give the record kind: contacts, calendar or tasks.");
    if (o.kind == "journal")
        return ListBatchJournal(io);
    if (o.kind == "undo")
        return Undo(o, io, factory);
    const tagBatchKind* kind = FindBatchKind(o.kind);
    if (!kind)
        return Usage(io, "Unknown record kind \"" + o.kind + "\".");
    tagBatchInput in;
    if (!Prepare(o, *kind, &in, &error))
        return Usage(io, error);
    in.password = ReadBatchPassword(o.passwordMode, io.in, io.err);
    if (platform::InterruptRequested()) {
        BatchComplain(io, "interrupted; nothing was loaded or written.");
        return BATCH_EXIT_FAILED;
    }
    return Walk(in, io, factory);
}
