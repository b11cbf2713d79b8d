#include "ProfileFile.h"

#include <atomic>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <string>
#include <strings.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "platform/DurableWrite.h"
#include "platform/Environment.h"
#include "platform/LineReader.h"
#include "platform/SafeOpen.h"

namespace platform {

namespace {

using Lines = std::vector<std::string>;

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string Trim(const std::string& text) {
    std::size_t begin = 0, end = text.size();
    while (begin < end && IsBlank(text[begin]))
        ++begin;
    while (end > begin && IsBlank(text[end - 1]))
        --end;
    return text.substr(begin, end - begin);
}

bool SameName(const std::string& a, const char* b) {
    return strcasecmp(a.c_str(), b) == 0;
}

// A section line starts with '['; the name runs to ']' (or the end).
bool SectionName(const std::string& line, std::string* name) {
    std::string text = Trim(line);
    if (text.empty() || text[0] != '[')
        return false;
    std::size_t close = text.find(']');
    *name = Trim(text.substr(1, close == std::string::npos ? std::string::npos : close - 1));
    return true;
}

bool KeyName(const std::string& line, std::string* name) {
    std::size_t equals = line.find('=');
    if (equals == std::string::npos)
        return false;
    *name = Trim(line.substr(0, equals));
    return true;
}

std::string ValueOf(const std::string& line) {
    std::string value = Trim(line.substr(line.find('=') + 1));
    if (value.size() >= 2 && (value[0] == '"' || value[0] == '\'') && value.back() == value[0])
        value = value.substr(1, value.size() - 2);
    return value;
}

// Where a section and a key sit: indices into the lines, npos when absent.
struct Place {
    std::size_t section = std::string::npos;
    std::size_t key = std::string::npos;
    std::size_t end = std::string::npos; // one past the section's last line
};

Place Locate(const Lines& lines, const char* sectionName, const char* keyName) {
    const std::string wantedSection = Trim(sectionName), wantedKey = Trim(keyName);
    const char* section = wantedSection.c_str();
    const char* key = wantedKey.c_str();
    Place place;
    std::string name;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (SectionName(lines[i], &name)) {
            if (place.section != std::string::npos) {
                place.end = i;
                return place;
            }
            if (SameName(name, section))
                place.section = i;
        } else if (place.section != std::string::npos && place.key == std::string::npos &&
                   KeyName(lines[i], &name) && SameName(name, key)) {
            place.key = i;
        }
    }
    place.end = lines.size();
    return place;
}

Lines SplitLines(const std::string& text) {
    Lines lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t nl = text.find('\n', start);
        std::size_t stop = nl == std::string::npos ? text.size() : nl;
        std::size_t end = stop > start && text[stop - 1] == '\r' ? stop - 1 : stop;
        lines.push_back(text.substr(start, end - start));
        start = stop + 1;
    }
    return lines;
}

std::string JoinLines(const Lines& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

// A file rewritten on every write is never larger than this.
constexpr std::size_t kMaxFileSize = 64u << 20;

// Reads a whole descriptor of at most `limit` bytes; false on a read error
// or a larger file.
bool ReadAll(int fd, std::size_t limit, std::string* text) {
    char chunk[65536];
    for (;;) {
        ssize_t n = read(fd, chunk, sizeof chunk);
        if (n == 0)
            return true;
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 || text->size() + static_cast<std::size_t>(n) > limit)
            return false;
        text->append(chunk, static_cast<std::size_t>(n));
    }
}

// The file's lines; an absent file has none. False when it cannot be read,
// is too large, or is a symbolic link.
bool LoadLines(const char* path, Lines* lines, mode_t* mode) {
    int fd = OpenNoFollow(path, O_RDONLY);
    if (fd < 0)
        return errno == ENOENT;
    struct stat st;
    if (mode && fstat(fd, &st) == 0)
        *mode = st.st_mode & 07777;
    std::string text;
    bool ok = ReadAll(fd, kMaxFileSize, &text);
    close(fd);
    if (ok)
        *lines = SplitLines(text);
    return ok;
}

// Temporary files are "<path>.tmp.<pid>.<n>".
std::string TempPrefix(const std::string& path) {
    return path + ".tmp.";
}

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? "." : path.substr(0, slash + 1);
}

// Temporary files only exist while their writer holds the lock, so any found
// under the lock were left by a writer that died.
void RemoveStaleTemps(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    const std::string folder = FolderOf(path);
    const std::string prefix = TempPrefix(path.substr(slash == std::string::npos ? 0 : slash + 1));
    DIR* dir = opendir(folder.c_str());
    if (!dir)
        return;
    while (const dirent* entry = readdir(dir)) {
        if (std::strncmp(entry->d_name, prefix.c_str(), prefix.size()) == 0 &&
            std::strspn(entry->d_name + prefix.size(), "0123456789.") ==
                std::strlen(entry->d_name + prefix.size()))
            unlinkat(dirfd(dir), entry->d_name, 0);
    }
    closedir(dir);
}

// Writes a sibling temporary file and renames it over `path`, so the file
// is always either the old or the new text.
bool ReplaceFile(const std::string& path, const std::string& text, mode_t mode, bool keepMode) {
    static std::atomic<unsigned> counter{0};
    std::string temp =
        TempPrefix(path) + std::to_string(getpid()) + "." + std::to_string(++counter);
    int fd = OpenNoFollow(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL);
    if (fd < 0)
        return false;
    bool ok = (!keepMode || fchmod(fd, mode) == 0) && WriteAll(fd, text) && fsync(fd) == 0;
    ok = close(fd) == 0 && ok;
    ok = ok && rename(temp.c_str(), path.c_str()) == 0;
    if (ok)
        SyncFolder(FolderOf(path)); // the rename survives a power cut too
    else
        unlink(temp.c_str());
    return ok;
}

// Holds the advisory lock of "<path>.lock" for the life of the object.
class FileLock {
public:
    explicit FileLock(const std::string& path) {
        m_fd = OpenNoFollow((path + ".lock").c_str(), O_RDWR | O_CREAT);
        if (m_fd < 0)
            return;
        while (flock(m_fd, LOCK_EX) != 0) {
            if (errno != EINTR) {
                close(m_fd);
                m_fd = -1;
                return;
            }
        }
    }
    ~FileLock() {
        if (m_fd >= 0)
            close(m_fd);
    }
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;
    bool Held() const { return m_fd >= 0; }

private:
    int m_fd = -1;
};

bool HasLineBreak(const char* text) {
    return std::strpbrk(text, "\r\n") != nullptr;
}

// Names and values that could not be read back as written are refused.
bool CanWrite(const char* section, const char* key, const char* value) {
    return section && *section && key && *key && !HasLineBreak(section) && !HasLineBreak(key) &&
           !HasLineBreak(value) && !std::strchr(section, ']') && !std::strchr(key, '=') &&
           !Trim(key).empty() && Trim(key)[0] != '[';
}

void SetValue(Lines* lines, const char* section, const char* key, const char* value) {
    std::string line = std::string(key) + "=" + value;
    Place place = Locate(*lines, section, key);
    if (place.section == std::string::npos) {
        lines->push_back(std::string("[") + section + "]");
        lines->push_back(line);
    } else if (place.key != std::string::npos) {
        (*lines)[place.key] = line;
    } else {
        std::size_t at = place.end;
        while (at > place.section + 1 && Trim((*lines)[at - 1]).empty())
            --at;
        lines->insert(lines->begin() + static_cast<std::ptrdiff_t>(at), line);
    }
}

// The start of a value whose line was cut: its end, and so a closing quote,
// is not known; a leading quote is dropped as a whole line's pair would be.
std::string CutValueOf(const std::string& line) {
    std::string value = line.substr(line.find('=') + 1);
    value.erase(0, value.find_first_not_of(" \t"));
    if (!value.empty() && (value[0] == '"' || value[0] == '\''))
        value.erase(0, 1);
    return value;
}

constexpr std::size_t kLineSlack = 4096;
constexpr std::size_t kMaxValue = 1u << 20;

// Finds the value of `key` in the first section named `section`, reading the
// file a line at a time and keeping at most `keep` bytes of any line; it
// stops at the key, so a value is read up to what the caller can hold.
bool FindValue(const char* path, const char* sectionName, const char* keyName, std::size_t keep,
               bool followLink, std::string* value) {
    int fd = followLink ? open(path, O_RDONLY | O_CLOEXEC) : OpenNoFollow(path, O_RDONLY);
    if (fd < 0)
        return false;
    const std::string section = Trim(sectionName), key = Trim(keyName);
    CxLineReader reader(fd, keep);
    bool inSection = false, found = false;
    std::string line, name;
    bool cut = false;
    while (!found && reader.Next(&line, &cut)) {
        if (SectionName(line, &name)) {
            if (inSection)
                break; // only the first section of the name counts
            inSection = SameName(name, section.c_str());
        } else if (inSection && KeyName(line, &name) && SameName(name, key.c_str())) {
            *value = cut ? CutValueOf(line) : ValueOf(line);
            found = true;
        }
    }
    close(fd);
    return found;
}

} // namespace

bool ReadProfileValue(const char* path, const char* section, const char* key, std::string* value) {
    if (!path || !*path || !section || !key || !*key || !value)
        return false;
    return FindValue(path, section, key, kMaxValue, true, value);
}

std::size_t GetProfileString(const char* path, const char* section, const char* key,
                             const char* def, char* buffer, std::size_t size) {
    if (!buffer || size == 0)
        return 0;
    std::string value;
    const bool usable = path && *path && section && key && *key;
    // Room for the key, blanks and quotes around a value cut to the buffer.
    const std::size_t keep = size > std::string::npos - kLineSlack ? size : size + kLineSlack;
    if (!usable || !FindValue(path, section, key, keep, false, &value))
        value = def ? def : "";
    return CopyToBuffer(value, buffer, size);
}

bool WriteProfileString(const char* path, const char* section, const char* key, const char* value) {
    if (!value)
        value = "";
    if (!path || !*path || !CanWrite(section, key, value))
        return false;
    FileLock lock(path);
    if (!lock.Held())
        return false;
    Lines lines;
    const mode_t kNone = static_cast<mode_t>(-1);
    mode_t mode = kNone;
    if (!LoadLines(path, &lines, &mode))
        return false;
    bool existed = mode != kNone;
    RemoveStaleTemps(path);
    SetValue(&lines, section, key, value);
    return ReplaceFile(path, JoinLines(lines), mode, existed);
}

} // namespace platform
