// The " Debug Information " group of both diagnostics dialogs: where the
// log folder and the log file are, each with a button that opens it.
#pragma once
#include <QGroupBox>

class QLineEdit;
class QPushButton;

class CxLogLocationGroup : public QGroupBox {
    Q_OBJECT
public:
    // `intro`, when not empty, stands above the two rows.
    CxLogLocationGroup(const QString& intro, QWidget* parent);

    QLineEdit* edtFolder;
    QPushButton* btnFolder;
    QLineEdit* edtFile;
    QPushButton* btnFile;

private:
    void Fill_();
    void btnFolderClick_();
    void btnFileClick_();
};
