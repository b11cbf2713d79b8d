// Controls carry their system names as object names, so tests and the
// style sheet find them.
#pragma once
#include <initializer_list>
#include <utility>

class QHBoxLayout;
class QLabel;
class QString;
class QLineEdit;
class QPushButton;
class QVBoxLayout;
class QWidget;

template <typename Control, typename... Args> Control* Named(const char* name, Args&&... args) {
    auto* control = new Control(std::forward<Args>(args)...);
    control->setObjectName(name);
    return control;
}

// The small "..." button beside a path (or another short caption); `spoken`
// is what a screen reader says for it.
QPushButton* EllipsisButton(const char* name, QWidget* parent, const char* spoken,
                            const char* caption = "...");

// A line edit that takes at most `maxLength` characters.
QLineEdit* LimitedEdit(const char* name, int maxLength, QWidget* parent);

// Places a top-level window in the middle of the primary screen's work area.
void CentreOnScreen(QWidget* window);

// The white band across a dialog's top ("pTitle") holding its title in bold
// ("lblTitle", given back in `title`).
QWidget* TitleBand(QWidget* dialog, const QString& text, QLabel** title);

// A dialog's frame: `band` across the top, below it the body that the
// dialog fills with its controls.
QVBoxLayout* DialogBody(QWidget* dialog, QWidget* band);
// A row of buttons at its right end.
QHBoxLayout* RightButtons(std::initializer_list<QPushButton*> buttons);
