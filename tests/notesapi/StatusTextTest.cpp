// Error texts of the statuses.
#include "tests/notesapi/NotesApi.h"

#include <gtest/gtest.h>

#include <string>

TEST(StatusText, EveryStatusOfTheStandInHasAText) {
    const STATUS codes[] = {ERR_NOEXIST, ERR_NOT_NSF, ERR_CONFLICT, ERR_ITEM_NOT_FOUND,
                            ERR_NOTE_DELETED, ERR_INVALID_NOTE, ERR_NOACCESS, ERR_TDI_CONV,
                            ERR_TDO_CONV, ERR_FORMULA_COMPILATION, ERR_SECURE_BADPASSWORD,
                            ERR_SERVER_NOT_RESPONDING, ERR_DATABASE_BUSY, ERR_INVALID_HANDLE,
                            ERR_NOT_ID_FILE, ERR_NOT_INITIALIZED, ERR_INVALID_ITEM,
                            ERR_BAD_ARGUMENT, ERR_FILE_EXISTS, ERR_DATABASE_IO,
                            ERR_SEGMENT_TOO_BIG, ERR_ITEM_DATATYPE, ERR_ODS_NO_SUCH_ENTRY,
                            ERR_OLD_FORMAT};
    for (STATUS code : codes) {
        char text[1024];
        WORD length = OSLoadString(NULLHANDLE, code, text, sizeof text);
        EXPECT_GT(length, 0) << code;
        EXPECT_EQ(length, std::string(text).size());
    }
}

TEST(StatusText, TheStandInsOwnCodesAreWhereTheApiGivesNone) {
    for (STATUS code : {ERR_NOT_INITIALIZED, ERR_OLD_FORMAT})
        EXPECT_EQ(PKG(code), PKG_ADDIN) << code;
    // Its names for the cases the API has codes for are those codes.
    EXPECT_EQ(ERR_SERVER_NOT_RESPONDING, 0x0807);
    EXPECT_EQ(ERR_DATABASE_BUSY, ERR_LOCK);
    EXPECT_EQ(ERR_INVALID_HANDLE, ERR_OS_FREE_HANDLE);
}

TEST(StatusText, TextsOfThePublicApi) {
    char text[1024];
    OSLoadString(NULLHANDLE, ERR_NOEXIST, text, sizeof text);
    EXPECT_STREQ(text, "File does not exist");
    OSLoadString(NULLHANDLE, ERR_NOACCESS, text, sizeof text);
    EXPECT_STREQ(text, "You are not authorized to perform that operation");
}

TEST(StatusText, TheFlagBitsDoNotMatter) {
    char plain[256], flagged[256];
    OSLoadString(NULLHANDLE, ERR_NOT_NSF, plain, sizeof plain);
    OSLoadString(NULLHANDLE, static_cast<STATUS>(ERR_NOT_NSF | 0xC000), flagged, sizeof flagged);
    EXPECT_STREQ(plain, flagged);
}

TEST(StatusText, CutToTheBufferUnknownIsEmpty) {
    char text[5];
    EXPECT_EQ(OSLoadString(NULLHANDLE, ERR_NOEXIST, text, sizeof text), 4);
    EXPECT_STREQ(text, "File");
    EXPECT_EQ(OSLoadString(NULLHANDLE, 0x3333, text, sizeof text), 0);
    EXPECT_STREQ(text, "");
    EXPECT_EQ(OSLoadString(NULLHANDLE, ERR_NOEXIST, nullptr, 0), 0);
}
