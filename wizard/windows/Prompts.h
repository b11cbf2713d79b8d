// The one way the windows ask the user through a message box or a file
// dialog. Tests install a CxPromptRecorder: nothing is shown, every prompt is
// recorded and answered from the recorder's queue.
#pragma once
#include <deque>
#include <vector>

#include <QMessageBox>
#include <QString>

class QWidget;

namespace prompts {

// Returns the button pressed (QMessageBox::Ok when there is only one).
QMessageBox::StandardButton Message(QWidget* parent, const QString& caption, const QString& text,
                                    QMessageBox::Icon icon,
                                    QMessageBox::StandardButtons buttons = QMessageBox::Ok);

// A file dialog entry: "Lotus Notes user ID file" and "*.id".
struct FileFilter {
    QString description;
    QString pattern;
};

// An open-file dialog starting at `start`; the chosen path, empty when cancelled.
QString OpenFileName(QWidget* parent, const QString& start, const FileFilter& filter);

} // namespace prompts

struct tagPromptRecord {
    enum Kind { MessageBox, OpenFile } kind;
    QString caption; // empty for a file dialog
    QString text;    // the message, or the start name of a file dialog
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

    const std::vector<tagPromptRecord>& Records() const { return m_records; }
    void Clear() { m_records.clear(); }

    // Called by the seam.
    QMessageBox::StandardButton OnMessage(const tagPromptRecord& record,
                                          QMessageBox::StandardButtons buttons);
    QString OnOpenFile(const tagPromptRecord& record);

private:
    std::vector<tagPromptRecord> m_records;
    std::deque<QMessageBox::StandardButton> m_buttons;
    std::deque<QString> m_files;
    CxPromptRecorder* m_previous;
};
