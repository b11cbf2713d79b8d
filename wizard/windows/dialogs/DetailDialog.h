// What the view-only detail dialogs share: a fixed size, the middle of the
// desktop, one Close button, and edits bound to fields of the shown record.
// The edits take typing, but nothing typed reaches the record: each viewing
// builds a new dialog from it.
#pragma once
#include <cstddef>
#include <vector>

#include <QDialog>

#include "wizard/windows/widgets/RecordText.h"

class QCheckBox;
class QGridLayout;
class QGroupBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

class CxDetailDialog : public QDialog {
    Q_OBJECT
public:
    QPushButton* btnClose;

protected:
    enum : std::size_t {
        TEXT_SIZE = 1024, // room for any one-line field
        NOTE_SIZE = 8193, // room for a whole note
    };

    CxDetailDialog(const char* name, const char* caption, QWidget* parent);
    // Puts `body` above the Close button and fixes the dialog's size.
    void Finish_(QWidget* body, int width, int height);

    // A labelled edit in the next row of `grid`, showing field `key` (none
    // for -1) read into `size` bytes.
    QLineEdit* AddEdit_(QGridLayout* grid, const char* name, const char* label, int key,
                        std::size_t size = TEXT_SIZE);
    QPlainTextEdit* AddMemo_(QGridLayout* grid, const char* name, const char* label, int key,
                             std::size_t size = NOTE_SIZE);
    QCheckBox* AddCheck_(QGridLayout* grid, const char* name, const char* caption);
    void Bind_(QPlainTextEdit* memo, int key, std::size_t size = NOTE_SIZE);
    // Fills every bound control from `record`.
    void FillBound_(RecordTextFn text, const void* record);

    static QGroupBox* Group_(const char* name, const char* title, QWidget* parent);
    // A form grid in `parent` with the product's spacing.
    static QGridLayout* Form_(QWidget* parent);

private:
    struct tagBound {
        QLineEdit* edit;
        QPlainTextEdit* memo;
        int key;
        std::size_t size;
    };
    std::vector<tagBound> m_bound;
};

// A detail dialog of one kind: it shows a `Rec` whose texts `Mgr` writes.
template <class Mgr, class Rec> class CxKindDetailDialog : public CxDetailDialog {
public:
    typedef Rec Record;

    // The text of field `key` of a record of the kind.
    static bool FieldText(const void* record, int key, char* buffer, std::size_t size) {
        return RecordText<Mgr, Rec>(record, key, buffer, size);
    }

protected:
    using CxDetailDialog::CxDetailDialog;
    // Fills every bound control from `record`.
    void FillBound_(const Rec* record) { CxDetailDialog::FillBound_(FieldText, record); }
};
