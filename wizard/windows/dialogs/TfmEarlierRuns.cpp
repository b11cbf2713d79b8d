#include "TfmEarlierRuns.h"

#include <algorithm>

#include <QDateTime>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "common/lotus/exchange/CxLNJournalDetails.h"
#include "common/lotus/exchange/CxLNUndoRequest.h"
#include "wizard/controller/WizardController.h"
#include "wizard/windows/widgets/AnsiText.h"
#include "wizard/windows/widgets/Controls.h"
#include "wizard/windows/widgets/Prompts.h"

namespace {

const int kDatabaseColumn = 2;

// Lines of an undo's dry run that the question repeats; the rest are counted.
const int kAskedLines = 12;

QString Utf8(const std::string& text) {
    return QString::fromStdString(text);
}

// The journal keeps UTC; the user reads his own time.
QString LocalTime(const std::string& utc) {
    const QDateTime when = QDateTime::fromString(Utf8(utc), Qt::ISODate);
    return when.isValid() ? when.toLocalTime().toString("yyyy-MM-dd HH:mm:ss") : Utf8(utc);
}

QStringList RunColumns(const tagWizardRun& row) {
    const tagLNJournalRun& r = row.run;
    QString kind = Utf8(r.sKind);
    if (!r.sUndoOf.empty())
        kind += " (undo)";
    const QString ended = row.sEnded.empty() ? QString("finished") : Utf8(row.sEnded);
    const QString undone = row.sUndoneBy.empty() ? QString("no") : QString("yes");
    return {LocalTime(r.sTime), Utf8(r.sUser), Utf8(r.sDatabase), kind,
            QLocale().toString(r.nDocuments), ended, undone};
}

QTreeWidget* List(const char* name, const char* spoken, const QStringList& columns,
                  QWidget* parent) {
    auto* list = Named<QTreeWidget>(name, parent);
    list->setAccessibleName(spoken);
    list->setHeaderLabels(columns);
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setAllColumnsShowFocus(true);
    list->header()->setStretchLastSection(true);
    return list;
}

QTreeWidgetItem* DocumentRow(const tagLNJournalDocument& doc) {
    const QString what = doc.nDoc ? QString("Document %1").arg(doc.nDoc) : QString("New document");
    const QString outcome = doc.sOutcome.empty() ? QString("no outcome") : Utf8(doc.sOutcome);
    auto* row = new QTreeWidgetItem({QString("%1 (%2, %3)").arg(what, Utf8(doc.sAction), outcome)});
    for (const tagLNJournalItemChange& item : doc.items)
        new QTreeWidgetItem(row, {Utf8(item.sName), item.bHadOld ? Utf8(item.sOld) : "(none)",
                                  item.bHasNew ? Utf8(item.sNew) : "(none)"});
    return row;
}

QString AskedText(const tagLNUndoResult& dry) {
    tagLNUndoResult counts = dry;
    counts.lines.clear();
    QString text = Utf8(DescribeUndo(counts, true));
    const int shown = std::min<int>(kAskedLines, static_cast<int>(dry.lines.size()));
    for (int i = 0; i < shown; ++i)
        text += "\n" + Utf8(dry.lines[static_cast<std::size_t>(i)]);
    if (static_cast<int>(dry.lines.size()) > shown)
        text += QString("\n... and %1 more.").arg(QLocale().toString(
                    static_cast<qlonglong>(dry.lines.size()) - shown));
    return text + "\n\nPut these values back in Lotus Notes now?";
}

} // namespace

TfmEarlierRuns::TfmEarlierRuns(CxWizardController& controller, QWidget* parent)
    : QDialog(parent), m_controller(controller) {
    setObjectName("fmEarlierRuns");
    setWindowTitle("Earlier Runs");
    lvRuns = List("lvRuns", "Runs, newest first",
                  {"When", "Notes User", "Database", "Kind", "Documents Changed", "Ended",
                   "Undone"},
                  this);
    lvRunDetail = List("lvRunDetail", "Documents and items of the chosen run",
                       {"Document / Item", "Before", "After"}, this);
    lvRunDetail->setRootIsDecorated(true);
    lvRuns->setTextElideMode(Qt::ElideMiddle);
    lblUndo = Named<QLabel>("lblUndo", this);
    lblUndo->setWordWrap(true);
    btnUndo = Named<QPushButton>("btnUndo", "&Undo...", this);
    btnClose = Named<QPushButton>("btnClose", "&Close", this);
    btnClose->setDefault(true);
    BuildLayout_();

    connect(lvRuns, &QTreeWidget::currentItemChanged, this, &TfmEarlierRuns::ShowChosenRun_);
    connect(btnUndo, &QPushButton::clicked, this, &TfmEarlierRuns::btnUndoClick_);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::accept);
    FillRuns();
}

void TfmEarlierRuns::BuildLayout_() {
    auto* runsLabel = new QLabel("&Runs, newest first:", this);
    runsLabel->setBuddy(lvRuns);
    auto* detailLabel = new QLabel("&Documents and items of the chosen run:", this);
    detailLabel->setBuddy(lvRunDetail);
    QVBoxLayout* body = DialogBody(
        this, TitleBand(this, "The write-backs the journal keeps, and their undo.", nullptr));
    body->setSpacing(8);
    body->addWidget(runsLabel);
    body->addWidget(lvRuns, 2);
    body->addWidget(detailLabel);
    body->addWidget(lvRunDetail, 3);
    body->addWidget(lblUndo);
    body->addLayout(RightButtons({btnUndo, btnClose}));
    setTabOrder(lvRuns, lvRunDetail);
    setTabOrder(lvRunDetail, btnUndo);
    setTabOrder(btnUndo, btnClose);
    resize(860, 560);
}

void TfmEarlierRuns::FillRuns() {
    m_runs = ListWizardRuns(m_controller.GetDataFolderPath());
    lvRuns->clear();
    for (const tagWizardRun& run : m_runs)
        new QTreeWidgetItem(lvRuns, RunColumns(run));
    for (int column = 0; column < lvRuns->columnCount() - 1; ++column)
        lvRuns->resizeColumnToContents(column);
    // A long path must leave room for how the run ended; the tip shows it whole.
    lvRuns->setColumnWidth(kDatabaseColumn, std::min(lvRuns->columnWidth(kDatabaseColumn), 240));
    for (int row = 0; row < lvRuns->topLevelItemCount(); ++row)
        lvRuns->topLevelItem(row)->setToolTip(kDatabaseColumn,
                                              lvRuns->topLevelItem(row)->text(kDatabaseColumn));
    if (lvRuns->topLevelItemCount() > 0)
        lvRuns->setCurrentItem(lvRuns->topLevelItem(0));
    else
        ShowChosenRun_();
    if (m_runs.empty())
        lblUndo->setText("No run has been journaled yet.");
}

const tagWizardRun* TfmEarlierRuns::ChosenRun_() const {
    const int index = lvRuns->indexOfTopLevelItem(lvRuns->currentItem());
    return index >= 0 && index < static_cast<int>(m_runs.size())
               ? &m_runs[static_cast<std::size_t>(index)]
               : nullptr;
}

void TfmEarlierRuns::ShowChosenRun_() {
    lvRunDetail->clear();
    const tagWizardRun* run = ChosenRun_();
    btnUndo->setEnabled(run && !run->run.sKind.empty() && run->run.nDocuments > 0);
    if (!run)
        return;
    tagLNJournalDetails details;
    LNReadJournalDetails(m_controller.GetDataFolderPath(), run->run.sRun, kShownDocuments,
                         &details);
    for (const tagLNJournalDocument& doc : details.documents)
        lvRunDetail->addTopLevelItem(DocumentRow(doc));
    if (details.nMore > 0)
        lvRunDetail->addTopLevelItem(new QTreeWidgetItem(
            {QString("... and %1 more documents").arg(QLocale().toString(
                 static_cast<qulonglong>(details.nMore)))}));
    lvRunDetail->expandAll();
    for (int column = 0; column < 2; ++column)
        lvRunDetail->resizeColumnToContents(column);
}

void TfmEarlierRuns::btnUndoClick_() {
    const tagWizardRun* chosen = ChosenRun_();
    if (!chosen)
        return;
    const std::string run = chosen->run.sRun;
    tagLNUndoResult dry;
    if (!UndoEarlierRun(m_controller, run, true, &dry)) {
        lblUndo->setText("The undo can not run: " + FromAnsi(m_controller.GetLoadError()));
        return;
    }
    if (prompts::Message(this, "Undo Run", AskedText(dry), QMessageBox::Question,
                         QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;
    tagLNUndoResult undo;
    const bool undone = UndoEarlierRun(m_controller, run, false, &undo);
    const QString told = undone ? Utf8(DescribeUndo(undo, false))
                                : "The undo failed: " +
                                      FromAnsi(m_controller.GetLoadError());
    FillRuns();
    lblUndo->setText(told);
}
