// The white band at the top of the main window and the diagnostics
// dialogs: product icon and name, both opening the home page.
#pragma once
#include <QWidget>

class CxImageLink;
class QHBoxLayout;
class QVBoxLayout;

class CxProductHeader : public QWidget {
    Q_OBJECT
public:
    explicit CxProductHeader(QWidget* parent);

    CxImageLink* imgIcon;
    CxImageLink* imgText;
    // Room right of the pictures for the owner's own controls.
    QHBoxLayout* Row() const { return m_row; }

private:
    QHBoxLayout* m_row;
};

// A diagnostics dialog: the header band on top and, below it, the body that
// the returned layout fills.
QVBoxLayout* BodyBelowHeader(QWidget* dialog, CxProductHeader* header);
// Fixes the dialog's size once its body is filled.
void FixDialogSize(QWidget* dialog);
