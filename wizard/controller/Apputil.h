// The wizard's settings record, its settings file and the paths it derives
// from the system: the data folder and the defaults of the access page.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

struct AppSettings {
    int32_t AppFlag;     // record kind: 1 contacts, 2 calendar, 4 tasks
    char NotesPath[256]; // the Notes program, started from the finish page
    char ServerName[64];
    char UserName[64];
    char Password[64]; // never saved
    char AddrFile[256];
    char MailDBName[256];
    bool PasswordRequired; // never saved
    char IDFile[256];
    bool EnableDebug;
    int32_t LogLevel;
    // The progress page's pause after each record, so its bar can be read;
    // 0 runs without pauses. Key "RecordPauseMs", set by hand: the wizard
    // keeps it as it finds it and never writes it.
    int32_t RecordPauseMs;
};

// The pause of a settings file without the key, and the longest it keeps.
const int32_t kDefaultRecordPauseMs = 100;
const int32_t kMaxRecordPauseMs = 10000;

// Section "LN-VX" of the settings file at `iniPath`; missing keys give the
// defaults, an AppFlag other than 1, 2 or 4 becomes 1.
void LoadSettings(AppSettings* settings, const char* iniPath);
// Writes every saved key in a fixed order; false when the file cannot be written.
bool SaveSettings(const AppSettings* settings, const char* iniPath);

// The data folder, ending in '/', created when missing; `buffer` holds 260
// bytes and is left untouched on failure. It holds the Notes password for a
// moment, so a folder that other users may read or write is refused too;
// `problem` (may be null) then names the folder and the reason.
bool GetDataFolder(char* buffer, std::string* problem = nullptr);
// The settings file: "zembrik.ini" in the data folder when there is one,
// else in the program's folder.
void GetSettingsFile(const char* dataFolder, char* buffer, std::size_t size);

bool GetDefaultNotesExe(char* buffer, std::size_t size);
bool GetDefaultAddrFile(char* buffer, std::size_t size);
bool GetDefaultIDFile(char* buffer, std::size_t size);

// The product home page with the "?ref=app" query, opened with the shell.
extern const char* const kHomePageAddress;
bool OpenHomePage();

// Where users report faults; the mail link carries the report's subject.
extern const char* const kSupportAddress;
bool OpenSupportMail();

// The help file beside the program, opened with the shell.
bool OpenHelpFile();
