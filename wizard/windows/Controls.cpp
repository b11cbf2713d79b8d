#include "Controls.h"

#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>

QPushButton* EllipsisButton(const char* name, QWidget* parent) {
    auto* button = Named<QPushButton>(name, "...", parent);
    button->setProperty("browse", true);
    button->setFixedWidth(34);
    return button;
}

void CentreOnScreen(QWidget* window) {
    if (QScreen* screen = QGuiApplication::primaryScreen())
        window->move(screen->availableGeometry().center() - window->rect().center());
}
