// ID files: the user name and a salted PBKDF2-HMAC-SHA256 hash of the
// password, never the password itself.
#pragma once
#include "notesapi/src/Api.h"

#include <string>

namespace zns {

// ERR_FILE_EXISTS, ERR_BAD_ARGUMENT, ERR_DATABASE_IO.
STATUS WriteIdFile(const std::string& path, const std::string& user, const std::string& password);
// ERR_NOEXIST, ERR_NOT_ID_FILE.
STATUS ReadIdFileUser(const std::string& path, std::string& user);
// As ReadIdFileUser, and ERR_SECURE_BADPASSWORD for a wrong password.
STATUS CheckIdFilePassword(const std::string& path, const std::string& password,
                           std::string& user);

} // namespace zns
