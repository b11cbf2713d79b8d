// The white band at the top of the main window and the diagnostics
// dialogs: product icon and name, both opening the home page.
#pragma once
#include <QWidget>

class CxImageLink;
class QHBoxLayout;

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

