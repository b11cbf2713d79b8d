// The journal's runs, newest first: when, who, which database and kind, how
// many documents changed, how each ended and whether it was undone; the
// documents and items of the chosen one; and its undo, shown first as a
// dry run, then asked for, then run through the helper.
#pragma once
#include <string>
#include <vector>

#include <QDialog>

#include "wizard/controller/WizardRuns.h"

class CxWizardController;
class QLabel;
class QPushButton;
class QTreeWidget;

class TfmEarlierRuns : public QDialog {
    Q_OBJECT
public:
    TfmEarlierRuns(CxWizardController& controller, QWidget* parent);

    // Reads the journal folder again.
    void FillRuns();

    QTreeWidget* lvRuns;
    QTreeWidget* lvRunDetail;
    QLabel* lblUndo;
    QPushButton* btnUndo;
    QPushButton* btnClose;

    // Documents shown of one run; the rest are counted.
    static const std::size_t kShownDocuments = 500;

private:
    void BuildLayout_();
    void ShowChosenRun_();
    void btnUndoClick_();
    const tagWizardRun* ChosenRun_() const;

    CxWizardController& m_controller;
    std::vector<tagWizardRun> m_runs;
};
