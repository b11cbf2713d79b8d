#include "Controls.h"

#include <QPushButton>

QPushButton* EllipsisButton(const char* name, QWidget* parent) {
    auto* button = Named<QPushButton>(name, "...", parent);
    button->setProperty("browse", true);
    button->setFixedWidth(34);
    return button;
}
