// The contacts selection page with a load of 100,000 contacts from their
// exchange file: loading and filling the page, filling it again, ticking rows
// one at a time and all at once, scrolling, and typing into the find box,
// each with a repaint. Peak memory is the whole process's, Qt included.
//   build-bench/bin/record_page_bench
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <malloc.h>
#include <memory>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTreeView>

#include "BenchContacts.h"
#include "TestSupport.h"
#include "common/lotus/exchange/CxLNAddr.h"
#include "common/misc/CxString.h"
#include "wizard/controller/WizardController.h"
#include "wizard/windows/app/ProductStyle.h"
#include "wizard/windows/pages/RecordFinder.h"
#include "wizard/windows/pages/TfmAddrData.h"

namespace {

const int kContacts = 100000;

// The writer's records are not the page's: the peak starts again after them.
void ForgetPeak() {
    malloc_trim(0);
    if (FILE* refs = std::fopen("/proc/self/clear_refs", "w")) {
        std::fputs("5", refs);
        std::fclose(refs);
    }
}

// A load that reads the exchange file a helper would have written, without
// running one: the front end's part of a load.
class FileContacts : public CxLNAddrUtil {
public:
    bool LoadAll() override {
        if (!m_bWritten) {
            CxLNAddrUtil writer;
            writer.SetTempFilePath(GetTempFilePath());
            for (int i = 0; i < kContacts; ++i) {
                tagCxLNAddrRec rec;
                FillContact(&rec, i);
                if (!writer.AddRec(&rec))
                    return false;
            }
            m_bWritten = writer.SaveToFile(nullptr);
            writer.ClearAll();
            ForgetPeak();
        }
        ClearAll();
        return m_bWritten && LoadFromFile(nullptr);
    }

private:
    bool m_bWritten = false;
};

// The process's peak resident memory so far, in MB.
double PeakMB() {
    FILE* status = std::fopen("/proc/self/status", "r");
    char line[256];
    long kb = 0;
    while (status && std::fgets(line, sizeof line, status))
        if (std::sscanf(line, "VmHWM: %ld kB", &kb) == 1)
            break;
    if (status)
        std::fclose(status);
    return kb / 1024.0;
}

class MadeFactory : public ILNDataFactory {
public:
    CxLNAddrUtil* CreateAddrUtil() override { return new FileContacts; }
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

// The exchange file read into the data object and the page filled and drawn.
void BM_LoadIntoPage(benchmark::State& state) {
    Loaded& loaded = Page();
    for (auto _ : state) {
        loaded.controller.LoadNotesData();
        loaded.page.FillRecordList();
        loaded.Repaint();
    }
    state.counters["rows"] = loaded.page.Model()->rowCount();
    state.counters["peak_MB"] = PeakMB();
}
BENCHMARK(BM_LoadIntoPage)->Unit(benchmark::kMillisecond);

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

// A thousand rows unticked and ticked again one by one, as clicks do, each
// with a repaint, at the end of the list.
void BM_TickRowsOneByOne(benchmark::State& state) {
    Loaded& loaded = Page();
    loaded.page.FillRecordList();
    QTreeView* list = loaded.page.lvAddrData;
    CxRecordListModel* model = loaded.page.Model();
    list->scrollToBottom();
    const int first = model->rowCount() - 1000;
    for (auto _ : state) {
        for (int on = 0; on < 2; ++on)
            for (int row = first; row < model->rowCount(); ++row) {
                model->setData(model->index(row, 0), on ? Qt::Checked : Qt::Unchecked,
                               Qt::CheckStateRole);
                list->viewport()->repaint();
            }
    }
    state.counters["peak_MB"] = PeakMB();
}
BENCHMARK(BM_TickRowsOneByOne)->Unit(benchmark::kMillisecond);

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
    state.counters["peak_MB"] = PeakMB();
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
