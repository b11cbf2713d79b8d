// Step 3 for tasks. Unlike the other lists, a row's caption may be edited;
// the new caption is only shown.
#pragma once
#include "wizard/windows/pages/RecordPage.h"

class TfmTaskData : public CxRecordPage {
    Q_OBJECT
public:
    TfmTaskData(CxWizardController& controller, QWidget* parent);

    QTreeView* const lvTaskData;
    QPushButton* const btnTodoDetail;
    QMenu* const pmiTodoData;
    QAction* const pmiTodoSelAll;
    QAction* const pmiTodoClear;
    QAction* const pmiTodoDetail;
};
