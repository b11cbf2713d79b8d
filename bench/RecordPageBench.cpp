// The contacts selection page with a load of 100,000 contacts: filling its
// list, ticking and unticking every row, scrolling, and typing into the find
// box, each with a repaint.
//   build-bench/bin/record_page_bench
#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTreeView>

#include "TestSupport.h"
#include "common/lotus/exchange/CxLNAddr.h"
#include "common/misc/CxString.h"
#include "wizard/controller/WizardController.h"
#include "wizard/windows/app/ProductStyle.h"
#include "wizard/windows/pages/RecordFinder.h"
#include "wizard/windows/pages/TfmAddrData.h"

namespace {

const int kContacts = 100000;

// A load that makes its contacts instead of running a helper.
class MadeContacts : public CxLNAddrUtil {
public:
    bool LoadAll() override {
        tagCommAddrRec rec;
        std::memset(&rec, 0, sizeof rec);
        CxStrCopy(rec.szCompany, "Acme Tools");
        CxStrCopy(rec.szTitle, "Director");
        for (int i = 0; i < kContacts; ++i) {
            CxStrFormat(rec.szFirstName, sizeof rec.szFirstName, "First%d", i);
            CxStrFormat(rec.szLastName, sizeof rec.szLastName, "Last%d", i);
            CxStrFormat(rec.szEmail, sizeof rec.szEmail, "first%d@example.com", i);
            CxStrFormat(rec.szWorkPhone, sizeof rec.szWorkPhone, "+1 555 %07d", i);
            if (!GetDataMgr()->AddRec(&rec))
                return false;
        }
        return true;
    }
};

class MadeFactory : public ILNDataFactory {
public:
    CxLNAddrUtil* CreateAddrUtil() override { return new MadeContacts; }
};

// One loaded controller and one shown page for every benchmark.
struct Loaded {
    Loaded() {
        controller.SetDataFactory(&factory);
        controller.SetPause([](int) {});
        controller.GetSettings().AppFlag = LN_KIND_ADDR;
        CxStrCopy(controller.GetSettings().AddrFile, "names.nsf");
        controller.LoadNotesData();
        page.resize(794, 394);
        page.show();
    }
    void Repaint() {
        page.lvAddrData->viewport()->repaint();
        QApplication::processEvents();
    }

    testsupport::IsolatedEnv env;
    MadeFactory factory;
    CxWizardController controller;
    TfmAddrData page{controller, nullptr};
};

// Made on first use, gone before the application.
std::unique_ptr<Loaded> g_loaded;

Loaded& Page() {
    if (!g_loaded)
        g_loaded = std::make_unique<Loaded>();
    return *g_loaded;
}

void BM_FillPage(benchmark::State& state) {
    Loaded& loaded = Page();
    for (auto _ : state) {
        loaded.page.FillRecordList();
        loaded.Repaint();
    }
    state.counters["rows"] = loaded.page.Model()->rowCount();
}
BENCHMARK(BM_FillPage)->Unit(benchmark::kMillisecond);

void BM_ClearAndSelectAll(benchmark::State& state) {
    Loaded& loaded = Page();
    loaded.page.FillRecordList();
    for (auto _ : state) {
        loaded.page.btnClear->click();
        loaded.Repaint();
        loaded.page.btnSelAll->click();
        loaded.Repaint();
    }
}
BENCHMARK(BM_ClearAndSelectAll)->Unit(benchmark::kMillisecond);

void BM_ScrollToEndAndBack(benchmark::State& state) {
    Loaded& loaded = Page();
    loaded.page.FillRecordList();
    QScrollBar* bar = loaded.page.lvAddrData->verticalScrollBar();
    for (auto _ : state) {
        bar->setValue(bar->maximum());
        loaded.Repaint();
        bar->setValue(0);
        loaded.Repaint();
    }
}
BENCHMARK(BM_ScrollToEndAndBack)->Unit(benchmark::kMillisecond);

// A keystroke at once after a load, before the rows' texts were read ahead
// while the user looked: it reads them all first. The worst keystroke.
void BM_FindFirstKeystroke(benchmark::State& state) {
    Loaded& loaded = Page();
    QLineEdit* find = loaded.page.Finder()->edtFind;
    for (auto _ : state) {
        state.PauseTiming();
        loaded.page.FillRecordList();
        loaded.Repaint();
        state.ResumeTiming();
        find->setText("f");
        loaded.Repaint();
    }
}
BENCHMARK(BM_FindFirstKeystroke)->Unit(benchmark::kMillisecond);

// One keystroke a time, as a user types, narrows and clears: each iteration
// is one keystroke with its repaint.
void BM_FindPerKeystroke(benchmark::State& state) {
    Loaded& loaded = Page();
    loaded.page.FillRecordList();
    QLineEdit* find = loaded.page.Finder()->edtFind;
    find->setText("f"); // the rows' texts read
    const char* const typed[] = {"f",      "fi",      "fir",      "firs",      "first",
                                 "first1", "first12", "first123", "first1234", "first12",
                                 "acme",   "ACME T",  "director", "",          "555 000"};
    std::size_t next = 0;
    for (auto _ : state) {
        find->setText(typed[next]);
        loaded.Repaint();
        next = (next + 1) % (sizeof typed / sizeof typed[0]);
    }
    state.counters["shown"] = loaded.page.lvAddrData->model()->rowCount();
}
BENCHMARK(BM_FindPerKeystroke)->Unit(benchmark::kMillisecond);

// Select All on a list the find box narrowed to about a tenth.
void BM_SelectAllShown(benchmark::State& state) {
    Loaded& loaded = Page();
    loaded.page.FillRecordList();
    loaded.page.Finder()->edtFind->setText("first1");
    for (auto _ : state) {
        loaded.page.btnClear->click();
        loaded.page.btnSelAll->click();
        loaded.Repaint();
    }
}
BENCHMARK(BM_SelectAllShown)->Unit(benchmark::kMillisecond);

// A click on a caption sorts the 100,000 rows by it.
void BM_SortByColumn(benchmark::State& state) {
    Loaded& loaded = Page();
    loaded.page.FillRecordList();
    int column = 0;
    for (auto _ : state) {
        loaded.page.lvAddrData->sortByColumn(column, Qt::DescendingOrder);
        loaded.Repaint();
        column = (column + 1) % 3;
    }
}
BENCHMARK(BM_SortByColumn)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ApplyProductStyle(app);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    g_loaded.reset();
    benchmark::Shutdown();
    return 0;
}
