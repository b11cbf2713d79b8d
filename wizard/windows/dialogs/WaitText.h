// The wait window's text and the helper's status file path: written by
// whoever drives the load, read by the window. Each is handed over whole
// under the lock, so the window never shows a text that is half old and half new.
#pragma once
#include <mutex>
#include <string>

class CxWaitText {
public:
    void SetText(const char* text);       // cut to 1023 characters
    void SetStatusFile(const char* path); // cut to 259 characters
    std::string Text() const;
    std::string StatusFile() const;

private:
    mutable std::mutex m_lock;
    char m_szText[1024] = "";
    char m_szStatusFile[260] = "";
};
