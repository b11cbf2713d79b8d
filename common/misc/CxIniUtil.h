// One initialisation file read and written with the profile API's semantics.
#pragma once

class CxIniUtil {
public:
    // Path is folder + name; an empty folder means the program's folder.
    CxIniUtil(const char* folder, const char* name);
    virtual ~CxIniUtil();

    void SetFileName(const char* path);
    void SetSection(const char* section);
    const char* GetFileName() const { return m_szIniPath; }

    int ReadString(const char* section, const char* key, char* buffer, int size, const char* def);
    bool ReadInt(const char* section, const char* key, int* result, int def);
    int GetInt(const char* section, const char* key, int def);
    bool GetBool(const char* section, const char* key, bool def);

    bool WriteString(const char* section, const char* key, const char* value);
    bool WriteInt(const char* section, const char* key, int n);
    bool WriteBool(const char* section, const char* key, bool b);

private:
    const char* Section_(const char* section) const;

    char m_szSection[32];
    char m_szIniPath[260];
};
