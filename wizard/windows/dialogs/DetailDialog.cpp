#include "DetailDialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "wizard/windows/widgets/Controls.h"

namespace {

// An empty grid still counts one row.
int NextRow(const QGridLayout* grid) {
    return grid->count() == 0 ? 0 : grid->rowCount();
}

} // namespace

CxDetailDialog::CxDetailDialog(const char* name, const char* caption, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    setObjectName(name);
    setWindowTitle(caption);
    btnClose = Named<QPushButton>("btnClose", "&Close", this);
    btnClose->setDefault(true);
    btnClose->setMinimumWidth(88);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::reject);
}

void CxDetailDialog::Finish_(QWidget* body, int width, int height) {
    auto* all = new QVBoxLayout(this);
    all->setContentsMargins(10, 10, 10, 10);
    all->setSpacing(10);
    all->addWidget(body, 1);
    all->addLayout(RightButtons({btnClose}));
    setFixedSize(width, height);
    CentreOnScreen(this);
}

QLineEdit* CxDetailDialog::AddEdit_(QGridLayout* grid, const char* name, const char* label, int key,
                                    std::size_t size) {
    auto* edit = Named<QLineEdit>(name, grid->parentWidget());
    const int row = NextRow(grid);
    if (label && *label) {
        auto* caption = new QLabel(label, grid->parentWidget());
        caption->setBuddy(edit);
        grid->addWidget(caption, row, 0);
    }
    grid->addWidget(edit, row, 1);
    if (key >= 0)
        m_bound.push_back({edit, nullptr, key, size});
    return edit;
}

QPlainTextEdit* CxDetailDialog::AddMemo_(QGridLayout* grid, const char* name, const char* label,
                                         int key, std::size_t size) {
    auto* memo = Named<QPlainTextEdit>(name, grid->parentWidget());
    const int row = NextRow(grid);
    auto* caption = new QLabel(label, grid->parentWidget());
    caption->setBuddy(memo);
    caption->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    grid->addWidget(caption, row, 0);
    grid->addWidget(memo, row, 1);
    Bind_(memo, key, size);
    return memo;
}

QCheckBox* CxDetailDialog::AddCheck_(QGridLayout* grid, const char* name, const char* caption) {
    auto* box = Named<QCheckBox>(name, caption, grid->parentWidget());
    grid->addWidget(box, NextRow(grid), 1);
    return box;
}

void CxDetailDialog::Bind_(QPlainTextEdit* memo, int key, std::size_t size) {
    m_bound.push_back({nullptr, memo, key, size});
}

void CxDetailDialog::FillBound_(RecordTextFn text, const void* record) {
    for (const tagBound& b : m_bound) {
        const QString value = RecordQText(text, record, b.key, b.size);
        if (b.edit) {
            b.edit->setText(value);
            b.edit->setCursorPosition(0);
        } else {
            b.memo->setPlainText(value);
        }
    }
}

QGroupBox* CxDetailDialog::Group_(const char* name, const char* title, QWidget* parent) {
    return Named<QGroupBox>(name, title, parent);
}

QGridLayout* CxDetailDialog::Form_(QWidget* parent) {
    auto* grid = new QGridLayout(parent);
    grid->setContentsMargins(10, 12, 10, 10);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(6);
    grid->setColumnStretch(1, 1);
    return grid;
}
