#include "notesapi/src/IdFile.h"

#include "notesapi/src/Text.h"

#include <openssl/crypto.h>
#include <openssl/evp.h>
#include <openssl/rand.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace zns {

namespace {

const char* const kMagic = "ZEMBRIK NOTES ID 1";
const int kIterations = 100000;
const size_t kSaltSize = 16;
const size_t kHashSize = 32;
const std::streamsize kMaxFileSize = 64 * 1024;

struct IdContents {
    std::string user;
    std::vector<uint8_t> salt;
    std::vector<uint8_t> hash;
    long iterations = 0;
};

std::string Hex(const std::vector<uint8_t>& bytes) {
    static const char digits[] = "0123456789abcdef";
    std::string text;
    for (uint8_t b : bytes) {
        text += digits[b >> 4];
        text += digits[b & 15];
    }
    return text;
}

bool FromHex(const std::string& text, std::vector<uint8_t>& bytes) {
    if (text.size() % 2 != 0)
        return false;
    bytes.clear();
    for (size_t i = 0; i < text.size(); i += 2) {
        char pair[3] = {text[i], text[i + 1], 0};
        char* end = nullptr;
        long value = std::strtol(pair, &end, 16);
        if (*end != '\0' || pair[0] == '-' || pair[0] == '+')
            return false;
        bytes.push_back(static_cast<uint8_t>(value));
    }
    return true;
}

bool Derive(const std::string& password, const std::vector<uint8_t>& salt, long iterations,
            std::vector<uint8_t>& hash) {
    hash.assign(kHashSize, 0);
    return PKCS5_PBKDF2_HMAC(password.data(), static_cast<int>(password.size()), salt.data(),
                             static_cast<int>(salt.size()), static_cast<int>(iterations),
                             EVP_sha256(), static_cast<int>(hash.size()), hash.data()) == 1;
}

bool ParseLine(const std::string& line, IdContents& id) {
    size_t equals = line.find('=');
    if (equals == std::string::npos)
        return false;
    std::string key = line.substr(0, equals), value = line.substr(equals + 1);
    if (key == "User")
        id.user = value;
    else if (key == "Salt")
        return FromHex(value, id.salt);
    else if (key == "Hash")
        return FromHex(value, id.hash);
    else if (key == "Iterations")
        id.iterations = std::strtol(value.c_str(), nullptr, 10);
    return true;
}

STATUS ReadIdFile(const std::string& path, IdContents& id) {
    struct stat info;
    if (stat(path.c_str(), &info) != 0)
        return ERR_NOEXIST;
    // Checked before opening: a pipe or device would block the read.
    if (!S_ISREG(info.st_mode) || info.st_size > kMaxFileSize)
        return ERR_NOT_ID_FILE;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return ERR_NOEXIST;
    std::string line;
    if (!std::getline(in, line) || line != kMagic)
        return ERR_NOT_ID_FILE;
    while (std::getline(in, line))
        if (!line.empty() && !ParseLine(line, id))
            return ERR_NOT_ID_FILE;
    bool complete = !id.user.empty() && id.salt.size() == kSaltSize &&
                    id.hash.size() == kHashSize && id.iterations > 0 &&
                    id.iterations <= 10 * kIterations;
    return complete ? NOERROR : ERR_NOT_ID_FILE;
}

STATUS WriteNewFile(const std::string& path, const std::string& contents) {
    int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0600);
    if (fd < 0)
        return errno == EEXIST ? ERR_FILE_EXISTS : ERR_DATABASE_IO;
    ssize_t written = write(fd, contents.data(), contents.size());
    bool ok = written == static_cast<ssize_t>(contents.size()) && fsync(fd) == 0;
    ok = close(fd) == 0 && ok;
    if (!ok) {
        unlink(path.c_str());
        return ERR_DATABASE_IO;
    }
    return NOERROR;
}

} // namespace

STATUS WriteIdFile(const std::string& path, const std::string& user, const std::string& password) {
    if (path.empty() || user.empty() || user.find_first_of("\r\n") != std::string::npos)
        return ERR_BAD_ARGUMENT;
    IdContents id;
    id.salt.assign(kSaltSize, 0);
    id.iterations = kIterations;
    if (RAND_bytes(id.salt.data(), static_cast<int>(id.salt.size())) != 1 ||
        !Derive(password, id.salt, id.iterations, id.hash))
        return ERR_DATABASE_IO;
    std::ostringstream text;
    text << kMagic << "\nUser=" << user << "\nSalt=" << Hex(id.salt)
         << "\nIterations=" << id.iterations << "\nHash=" << Hex(id.hash) << "\n";
    return WriteNewFile(path, text.str());
}

STATUS ReadIdFileUser(const std::string& path, std::string& user) {
    IdContents id;
    STATUS status = ReadIdFile(path, id);
    if (status == NOERROR)
        user = id.user;
    return status;
}

STATUS CheckIdFilePassword(const std::string& path, const std::string& password,
                           std::string& user) {
    IdContents id;
    STATUS status = ReadIdFile(path, id);
    if (status != NOERROR)
        return status;
    std::vector<uint8_t> hash;
    if (!Derive(password, id.salt, id.iterations, hash))
        return ERR_DATABASE_IO;
    if (CRYPTO_memcmp(hash.data(), id.hash.data(), kHashSize) != 0)
        return ERR_SECURE_BADPASSWORD;
    user = id.user;
    return NOERROR;
}

} // namespace zns
