#include "Prompts.h"

#include <QDialog>
#include <QFileDialog>

namespace {

CxPromptRecorder* g_recorder = nullptr;

QString FilterText(const prompts::tagFileFilter& filter) {
    return filter.description + " (" + filter.pattern + ")";
}

QMessageBox::StandardButton FirstButton(QMessageBox::StandardButtons buttons) {
    for (unsigned bit = 1; bit; bit <<= 1) {
        if (buttons & bit)
            return static_cast<QMessageBox::StandardButton>(bit);
    }
    return QMessageBox::Ok;
}

} // namespace

namespace prompts {

QMessageBox::StandardButton Message(QWidget* parent, const QString& caption, const QString& text,
                                    QMessageBox::Icon icon, QMessageBox::StandardButtons buttons) {
    if (g_recorder)
        return g_recorder->OnMessage({tagPromptRecord::MessageBox, caption, text, icon, {}},
                                     buttons);
    QMessageBox box(icon, caption, text, buttons, parent);
    box.setObjectName("MessageBox");
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

QString OpenFileName(QWidget* parent, const QString& start, const tagFileFilter& filter) {
    const QString filterText = FilterText(filter);
    if (g_recorder)
        return g_recorder->OnOpenFile(
            {tagPromptRecord::OpenFile, {}, start, QMessageBox::NoIcon, filterText});
    return QFileDialog::getOpenFileName(parent, QString(), start, filterText);
}

int Exec(QDialog& dialog) {
    if (g_recorder)
        return g_recorder->OnDialog(dialog);
    return dialog.exec();
}

} // namespace prompts

CxPromptRecorder::CxPromptRecorder() : m_previous(g_recorder) {
    g_recorder = this;
}

CxPromptRecorder::~CxPromptRecorder() {
    g_recorder = m_previous;
}

QMessageBox::StandardButton CxPromptRecorder::OnMessage(const tagPromptRecord& record,
                                                        QMessageBox::StandardButtons buttons) {
    m_records.push_back(record);
    if (m_buttons.empty())
        return FirstButton(buttons);
    const QMessageBox::StandardButton answer = m_buttons.front();
    m_buttons.pop_front();
    return answer;
}

QString CxPromptRecorder::OnOpenFile(const tagPromptRecord& record) {
    m_records.push_back(record);
    if (m_files.empty())
        return QString();
    const QString answer = m_files.front();
    m_files.pop_front();
    return answer;
}

int CxPromptRecorder::OnDialog(QDialog& dialog) {
    m_records.push_back(
        {tagPromptRecord::Dialog, dialog.windowTitle(), dialog.objectName(), QMessageBox::NoIcon, {}});
    if (m_dialogs.empty())
        return QDialog::Rejected;
    const std::function<int(QDialog&)> answer = std::move(m_dialogs.front());
    m_dialogs.pop_front();
    return answer(dialog);
}
