#include "Controls.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

QPushButton* EllipsisButton(const char* name, QWidget* parent, const char* spoken,
                            const char* caption) {
    auto* button = Named<QPushButton>(name, caption, parent);
    button->setAccessibleName(spoken);
    button->setProperty("browse", true);
    button->setFixedWidth(34);
    return button;
}

QLineEdit* LimitedEdit(const char* name, int maxLength, QWidget* parent) {
    auto* edit = Named<QLineEdit>(name, parent);
    edit->setMaxLength(maxLength);
    return edit;
}

void CentreOnScreen(QWidget* window) {
    if (QScreen* screen = QGuiApplication::primaryScreen())
        window->move(screen->availableGeometry().center() - window->rect().center());
}

QWidget* TitleBand(QWidget* dialog, const QString& text, QLabel** title) {
    auto* band = Named<QWidget>("pTitle", dialog);
    band->setAttribute(Qt::WA_StyledBackground);
    auto* label = Named<QLabel>("lblTitle", text, band);
    label->setTextFormat(Qt::PlainText);
    auto* row = new QHBoxLayout(band);
    row->setContentsMargins(16, 14, 16, 14);
    row->addWidget(label);
    if (title)
        *title = label;
    return band;
}

QVBoxLayout* DialogBody(QWidget* dialog, QWidget* band) {
    auto* all = new QVBoxLayout(dialog);
    all->setContentsMargins(0, 0, 0, 0);
    all->setSpacing(0);
    all->addWidget(band);
    auto* body = new QVBoxLayout;
    body->setContentsMargins(16, 12, 16, 14);
    body->setSpacing(10);
    all->addLayout(body, 1);
    return body;
}

QHBoxLayout* RightButtons(std::initializer_list<QPushButton*> buttons) {
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    for (QPushButton* button : buttons)
        row->addWidget(button);
    return row;
}
