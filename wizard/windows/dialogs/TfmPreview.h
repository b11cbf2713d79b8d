// What the update would change in the ticked records, before it runs: each
// field as it is and as it would be, and how many records and fields would
// change and would not. Nothing is written. The records are looked at a
// slice at a time, so the first changes show at once and the window answers
// while the rest are filled in.
#pragma once
#include <QDialog>
#include <QTimer>

#include "wizard/controller/WizardDryRun.h"

class CxWizardController;
class QLabel;
class QProgressBar;
class QPushButton;
class QTreeWidget;

class TfmPreview : public QDialog {
    Q_OBJECT
public:
    // The entries of SelectedRecords are the records looked at.
    TfmPreview(CxWizardController& controller, QWidget* parent);

    // Looks at every record left at once (a test, a picture of the dialog).
    void FillAll();
    bool IsFilled() const { return m_nNext >= m_nTotal; }
    QString SummaryText() const;

    QLabel* lblSummary;
    QProgressBar* pbPreview;
    QTreeWidget* lvPreview;
    QPushButton* btnClose;

    // Records whose changes are listed; the rest are counted.
    static const int kListedRecords = 5000;

private:
    void FillSlice_();
    void Show_(const tagDryRunRecord& record);

    CxWizardController& m_controller;
    QTimer m_fill;
    uint32_t m_nTotal = 0;
    uint32_t m_nNext = 0;
    int m_nListed = 0;
    tagDryRunCounts m_counts;
};
