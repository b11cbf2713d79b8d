// The error file a helper host leaves for the wizard: an initialisation file
// with one section holding the number of errors and each text by its number,
// and a notice about a run that went on in another way than asked.
#pragma once
#include <cstddef>

#include "common/misc/CxIniUtil.h"

class CxLNErrorFile {
public:
    // The file is `folder` followed directly by `name`. A path too long for
    // the settings-file reader is not used at all: cut, it would name another file.
    CxLNErrorFile(const char* folder, const char* name);

    // 0 when the file or the count is missing.
    int ReadCount();
    // False when the file holds no count at all: the helper left no report.
    bool HasCount();
    // Error `number` (from 1), empty when missing, cut to size-1 characters.
    void ReadError(int number, char* buffer, std::size_t size);
    // The writes are false when the file could not be written (or is not usable).
    bool WriteCount(int count);
    bool WriteError(int number, const char* text);
    // Empty when there is none; cut to size-1 characters.
    void ReadNotice(char* buffer, std::size_t size);
    bool WriteNotice(const char* text);

private:
    static void Key_(int number, char* key, std::size_t size);
    void Read_(const char* key, char* buffer, std::size_t size);

    CxIniUtil m_ini;
    bool m_bUsable;
};
