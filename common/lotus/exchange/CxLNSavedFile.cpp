#include "CxLNSavedFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "common/lotus/exchange/CxLNKeyedFile.h"
#include "common/lotus/exchange/CxLNPrivateFile.h"
#include "platform/SafeOpen.h"

namespace {

const char kMagic[] = "ZEMBRIK-SAVED 1";

// The 32-bit count at the head of an exchange file, as CxFile writes it.
int64_t HeadCount(const unsigned char* bytes) {
    uint32_t count = 0;
    for (int i = 0; i < 4; ++i)
        count |= static_cast<uint32_t>(bytes[i]) << (8 * i);
    return static_cast<int32_t>(count);
}

} // namespace

std::string LNSavedFileName(const char* dataFile) {
    return std::string(dataFile ? dataFile : "") + ".saved";
}

bool LNMeasureExchangeFile(const std::string& path, tagLNSaved* measured) {
    const int fd = platform::OpenNoFollow(path.c_str(), O_RDONLY);
    if (fd < 0)
        return false;
    struct stat st;
    unsigned char head[4];
    const bool statted = fstat(fd, &st) == 0;
    const bool counted = pread(fd, head, sizeof head, 0) == static_cast<ssize_t>(sizeof head);
    close(fd);
    if (!statted)
        return false;
    measured->sLoadID.clear();
    measured->nBytes = static_cast<int64_t>(st.st_size);
    measured->nRecords = counted ? HeadCount(head) : 0;
    return true;
}

bool LNWriteSavedFile(const std::string& path, const tagLNSaved& saved) {
    const std::string text = std::string(kMagic) + "\nload " + saved.sLoadID + "\nrecords " +
                             std::to_string(saved.nRecords) + "\nbytes " +
                             std::to_string(saved.nBytes) + "\nend\n";
    return LNReplacePrivateFile(path, text);
}

bool LNReadSavedFile(const std::string& path, tagLNSaved* saved, std::string* why) {
    CxLNKeyedFile in(path, why);
    if (in.Opened() == LNKeyedRead::Missing && why)
        *why = "it is missing";
    if (in.Opened() != LNKeyedRead::Read)
        return false;
    tagLNSaved read;
    unsigned long long records = 0, bytes = 0;
    if (!in.Expect(kMagic, "this is no record of a save") || !in.Keyed("load", &read.sLoadID) ||
        !in.KeyedNumber("records", 0x7fffffffULL, &records) ||
        !in.KeyedNumber("bytes", 9999999999ULL, &bytes) || !in.Last("end"))
        return false;
    read.nRecords = static_cast<int64_t>(records);
    read.nBytes = static_cast<int64_t>(bytes);
    *saved = read;
    return true;
}
