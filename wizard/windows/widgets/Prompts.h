// The one way the windows ask the user through a message box, a file
// dialog or a modal dialog of their own. Tests install a CxPromptRecorder:
// nothing is shown, every prompt is recorded and answered from the
// recorder's queue.
#pragma once
#include <deque>
#include <functional>
#include <vector>

#include <QMessageBox>
#include <QString>

class QDialog;
class QWidget;

namespace prompts {

// Returns the button pressed (QMessageBox::Ok when there is only one).
QMessageBox::StandardButton Message(QWidget* parent, const QString& caption, const QString& text,
                                    QMessageBox::Icon icon,
                                    QMessageBox::StandardButtons buttons = QMessageBox::Ok);

// A file dialog entry: "Lotus Notes user ID file" and "*.id".
struct tagFileFilter {
    QString description;
    QString pattern;
};

// An open-file dialog starting at `start`; the chosen path, empty when cancelled.
QString OpenFileName(QWidget* parent, const QString& start, const tagFileFilter& filter);

// Shows `dialog` modally; its result (QDialog::Accepted or Rejected).
int Exec(QDialog& dialog);

} // namespace prompts

struct tagPromptRecord {
    enum Kind { MessageBox, OpenFile, Dialog } kind;
    QString caption; // the window title; empty for a file dialog
    QString text;    // the message, the start name of a file dialog, a dialog's object name
    QMessageBox::Icon icon;
    QString filter;  // "description (pattern)" of a file dialog
};

class CxPromptRecorder {
public:
    CxPromptRecorder();
    ~CxPromptRecorder();
    CxPromptRecorder(const CxPromptRecorder&) = delete;
    CxPromptRecorder& operator=(const CxPromptRecorder&) = delete;

    // Answers in order of asking; without one a message box gets its first
    // button and a file dialog is cancelled.
    void AnswerMessage(QMessageBox::StandardButton button) { m_buttons.push_back(button); }
    void AnswerFile(const QString& path) { m_files.push_back(path); }
    // Works the dialog while it is "shown" and returns its result; without
    // one a dialog is rejected.
    void AnswerDialog(std::function<int(QDialog&)> answer) { m_dialogs.push_back(std::move(answer)); }

    const std::vector<tagPromptRecord>& Records() const { return m_records; }
    void Clear() { m_records.clear(); }

    // Called by the seam.
    QMessageBox::StandardButton OnMessage(const tagPromptRecord& record,
                                          QMessageBox::StandardButtons buttons);
    QString OnOpenFile(const tagPromptRecord& record);
    int OnDialog(QDialog& dialog);

private:
    std::vector<tagPromptRecord> m_records;
    std::deque<QMessageBox::StandardButton> m_buttons;
    std::deque<QString> m_files;
    std::deque<std::function<int(QDialog&)>> m_dialogs;
    CxPromptRecorder* m_previous;
};
