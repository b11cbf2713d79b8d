#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "TestSupport.h"
#include "common/misc/CxFile.h"

using testsupport::FileExists;
using testsupport::ReadFile;
using testsupport::TempDir;
using testsupport::WriteFile;

namespace {

struct CxFileTest : ::testing::Test {
    std::string Written(void (*write)(CxFile&)) {
        CxFile file;
        EXPECT_TRUE(file.Open(path.c_str(), "wb"));
        write(file);
        file.Close();
        return ReadFile(path);
    }
    TempDir dir;
    std::string path = dir.File("values.dat");
};

std::string Bytes(std::initializer_list<int> bytes) {
    std::string s;
    for (int b : bytes)
        s += static_cast<char>(b);
    return s;
}

} // namespace

TEST_F(CxFileTest, EncodingsAreLittleEndian) {
    EXPECT_EQ(Written([](CxFile& f) { f.WriteInt(-2); }), Bytes({0xFE, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(Written([](CxFile& f) { f.WriteInt(0x01020304); }), Bytes({4, 3, 2, 1}));
    EXPECT_EQ(Written([](CxFile& f) { f.WriteBool(true); }), Bytes({1, 0, 0, 0}));
    EXPECT_EQ(Written([](CxFile& f) { f.WriteBool(false); }), Bytes({0, 0, 0, 0}));
    EXPECT_EQ(Written([](CxFile& f) { f.WriteDouble(1.0); }),
              Bytes({0, 0, 0, 0, 0, 0, 0xF0, 0x3F}));
    EXPECT_EQ(Written([](CxFile& f) { f.WriteString("abc"); }), Bytes({3, 0, 0, 0, 'a', 'b', 'c'}));
    EXPECT_EQ(Written([](CxFile& f) { f.WriteString(""); }), Bytes({0, 0, 0, 0}));
    EXPECT_EQ(Written([](CxFile& f) { f.WriteString(nullptr); }), Bytes({0, 0, 0, 0}));
    EXPECT_EQ(Written([](CxFile& f) { f.WriteLine("line"); }), "line\r\n");
    EXPECT_EQ(Written([](CxFile& f) { f.WriteLine(nullptr); }), "\r\n");
}

TEST_F(CxFileTest, ValuesReadBackInOrder) {
    Written([](CxFile& f) {
        f.WriteInt(-7);
        f.WriteBool(true);
        f.WriteDouble(40607.588298611);
        f.WriteString("text");
    });
    CxFile file;
    ASSERT_TRUE(file.Open(path.c_str(), "rb"));
    int32_t n = 0, b = 0, length = 0;
    double d = 0;
    char text[16];
    EXPECT_TRUE(file.ReadInt(&n));
    EXPECT_TRUE(file.ReadBool(&b));
    EXPECT_TRUE(file.ReadDouble(&d));
    EXPECT_TRUE(file.ReadString(text, sizeof text, &length));
    EXPECT_EQ(n, -7);
    EXPECT_EQ(b, 1);
    EXPECT_EQ(d, 40607.588298611);
    EXPECT_STREQ(text, "text");
    EXPECT_EQ(length, 4);
    EXPECT_FALSE(file.AtEnd());
    EXPECT_TRUE(file.ReadInt(&n)); // short read: reported as success, value untouched
    EXPECT_EQ(n, -7);
    EXPECT_TRUE(file.AtEnd());
}

TEST_F(CxFileTest, LongTextIsCutAndTheNextValueStaysInStep) {
    Written([](CxFile& f) {
        f.WriteString(std::string(100, 'h').c_str());
        f.WriteInt(4711);
    });
    CxFile file;
    ASSERT_TRUE(file.Open(path.c_str(), "rb"));
    char field[64];
    int32_t length = 0, next = 0;
    EXPECT_TRUE(file.ReadString(field, sizeof field, &length));
    EXPECT_EQ(std::string(field), std::string(63, 'h'));
    EXPECT_EQ(length, 100);
    EXPECT_TRUE(file.ReadInt(&next));
    EXPECT_EQ(next, 4711);
}

TEST_F(CxFileTest, TextOfExactlyTheFieldSizeLosesItsLastByte) {
    Written([](CxFile& f) {
        f.WriteString("abcd");
        f.WriteInt(9);
    });
    CxFile file;
    ASSERT_TRUE(file.Open(path.c_str(), "rb"));
    char field[4];
    int32_t next = 0;
    file.ReadString(field, sizeof field);
    EXPECT_STREQ(field, "abc");
    file.ReadInt(&next);
    EXPECT_EQ(next, 9);
}

TEST_F(CxFileTest, ZeroOrNegativeLengthReadsNothing) {
    WriteFile(path, Bytes({0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 5, 0, 0, 0}));
    CxFile file;
    ASSERT_TRUE(file.Open(path.c_str(), "rb"));
    char field[8] = "keep";
    int32_t length = 99, next = 0;
    EXPECT_TRUE(file.ReadString(field, sizeof field, &length));
    EXPECT_STREQ(field, "keep");
    EXPECT_EQ(length, 0);
    EXPECT_TRUE(file.ReadString(field, sizeof field, &length));
    EXPECT_STREQ(field, "keep");
    EXPECT_EQ(length, -1);
    file.ReadInt(&next);
    EXPECT_EQ(next, 5);
}

TEST_F(CxFileTest, TruncatedTextIsTerminatedWhereTheFileEnds) {
    WriteFile(path, Bytes({10, 0, 0, 0, 'a', 'b'}));
    CxFile file;
    ASSERT_TRUE(file.Open(path.c_str(), "rb"));
    char field[16];
    std::memset(field, 'z', sizeof field);
    EXPECT_TRUE(file.ReadString(field, sizeof field));
    EXPECT_STREQ(field, "ab");
}

TEST_F(CxFileTest, ZeroSizedBufferSkipsTheText) {
    Written([](CxFile& f) {
        f.WriteString("abc");
        f.WriteInt(3);
    });
    CxFile file;
    ASSERT_TRUE(file.Open(path.c_str(), "rb"));
    char field[1] = {'q'};
    int32_t next = 0;
    EXPECT_TRUE(file.ReadString(field, 0));
    EXPECT_EQ(field[0], 'q');
    file.ReadInt(&next);
    EXPECT_EQ(next, 3);
}

TEST_F(CxFileTest, OperationsWithoutAFileOrDestinationFail) {
    CxFile file;
    int32_t n;
    double d;
    char text[4];
    EXPECT_FALSE(file.IsOpen());
    EXPECT_FALSE(file.ReadInt(&n));
    EXPECT_FALSE(file.ReadBool(&n));
    EXPECT_FALSE(file.ReadDouble(&d));
    EXPECT_FALSE(file.ReadString(text, sizeof text));
    EXPECT_FALSE(file.WriteInt(1));
    EXPECT_FALSE(file.WriteBool(true));
    EXPECT_FALSE(file.WriteDouble(1));
    EXPECT_FALSE(file.WriteString("a"));
    EXPECT_FALSE(file.WriteLine("a"));
    EXPECT_TRUE(file.AtEnd());
    EXPECT_TRUE(file.Close());
    ASSERT_TRUE(file.Open(path.c_str(), "wb"));
    EXPECT_FALSE(file.ReadInt(nullptr));
    EXPECT_FALSE(file.ReadDouble(nullptr));
    EXPECT_FALSE(file.ReadString(nullptr, 4));
}

TEST_F(CxFileTest, OpenRefusesEmptyArguments) {
    CxFile file;
    EXPECT_FALSE(file.Open(path.c_str(), ""));
    EXPECT_FALSE(file.Open(path.c_str(), nullptr));
    EXPECT_FALSE(file.Open("", "wb"));
    EXPECT_FALSE(file.Open(nullptr, "wb"));
    EXPECT_FALSE(FileExists(path));
    EXPECT_FALSE(file.Open(dir.File("missing").c_str(), "rb"));
}

TEST_F(CxFileTest, AppendModeAddsToTheEnd) {
    WriteFile(path, "x");
    CxFile file;
    ASSERT_TRUE(file.Open(path.c_str(), "ab"));
    file.WriteLine("y");
    file.Close();
    EXPECT_EQ(ReadFile(path), "xy\r\n");
}

TEST_F(CxFileTest, FileSize) {
    EXPECT_EQ(CxFile::GetFileSize(dir.File("missing").c_str()), -1);
    EXPECT_EQ(CxFile::GetFileSize(""), -1);
    EXPECT_EQ(CxFile::GetFileSize(nullptr), -1);
    WriteFile(path, "");
    EXPECT_EQ(CxFile::GetFileSize(path.c_str()), 0);
    WriteFile(path, "12345");
    EXPECT_EQ(CxFile::GetFileSize(path.c_str()), 5);
}

// Exchange, parameter and status files are written through CxFile: a link
// planted at their name must not redirect the bytes.
TEST(CxFileLinks, NoModeFollowsALinkAndNewFilesAreTheOwnersAlone) {
    TempDir dir;
    WriteFile(dir.File("target"), "precious");
    ASSERT_EQ(symlink(dir.File("target").c_str(), dir.File("link").c_str()), 0);
    ASSERT_EQ(symlink(dir.File("nowhere").c_str(), dir.File("dangling").c_str()), 0);
    CxFile file;
    for (const char* mode : {"wb", "ab", "w+b", "rb"}) {
        EXPECT_FALSE(file.Open(dir.File("link").c_str(), mode)) << mode;
        EXPECT_FALSE(file.Open(dir.File("dangling").c_str(), mode)) << mode;
    }
    EXPECT_EQ(ReadFile(dir.File("target")), "precious");
    EXPECT_FALSE(FileExists(dir.File("nowhere")));
    EXPECT_EQ(CxFile::GetFileSize(dir.File("link").c_str()), -1);
    const mode_t mask = umask(0);
    ASSERT_TRUE(file.Open(dir.File("new").c_str(), "wb"));
    umask(mask);
    struct stat st;
    ASSERT_EQ(stat(dir.File("new").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    file.Close();
    // Written again, a file an older run left readable to others is no more.
    ASSERT_EQ(chmod(dir.File("new").c_str(), 0644), 0);
    ASSERT_TRUE(file.Open(dir.File("new").c_str(), "wb"));
    ASSERT_EQ(stat(dir.File("new").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    EXPECT_TRUE(file.WriteInt(7));
    file.Close();
    ASSERT_TRUE(file.Open(dir.File("new").c_str(), "ab"));
    EXPECT_TRUE(file.WriteInt(8));
    file.Close();
    EXPECT_EQ(ReadFile(dir.File("new")), std::string("\x07\0\0\0\x08\0\0\0", 8));
}

// Values that straddle the file's buffers, texts longer than a buffer among
// them, keep their bytes and read back in step.
TEST_F(CxFileTest, ValuesAcrossBufferBoundariesKeepTheirBytes) {
    const std::size_t kTextSizes[] = {0, 1, 3, 65535, 65536, 65537, 200000};
    std::string expected;
    CxFile out;
    ASSERT_TRUE(out.Open(path.c_str(), "wb"));
    for (int round = 0; round < 3; ++round) {
        for (std::size_t size : kTextSizes) {
            const std::string text(size, static_cast<char>('a' + round));
            out.WriteInt(static_cast<int32_t>(size));
            out.WriteString(text.c_str());
            const int32_t length = static_cast<int32_t>(size);
            expected += Bytes({static_cast<int>(size & 0xFF), static_cast<int>((size >> 8) & 0xFF),
                               static_cast<int>((size >> 16) & 0xFF), 0});
            expected.append(reinterpret_cast<const char*>(&length), 4);
            expected += text;
        }
    }
    EXPECT_FALSE(out.AtEnd());
    out.Close();
    EXPECT_EQ(ReadFile(path), expected);

    CxFile in;
    ASSERT_TRUE(in.Open(path.c_str(), "rb"));
    std::string text(100, '\0');
    for (int round = 0; round < 3; ++round) {
        for (std::size_t size : kTextSizes) {
            int32_t n = -1, length = -1;
            text[0] = '\0'; // an empty text leaves the buffer
            EXPECT_TRUE(in.ReadInt(&n));
            EXPECT_TRUE(in.ReadString(&text[0], static_cast<uint32_t>(text.size()), &length));
            EXPECT_EQ(n, static_cast<int32_t>(size));
            EXPECT_EQ(length, static_cast<int32_t>(size));
            EXPECT_EQ(std::strlen(text.c_str()), std::min<std::size_t>(size, text.size() - 1));
        }
    }
    EXPECT_FALSE(in.AtEnd());
    int32_t n = 0;
    in.ReadInt(&n);
    EXPECT_TRUE(in.AtEnd());
}

TEST_F(CxFileTest, AWriteThatCannotBeStoredIsTheEndAndFailsTheClose) {
    CxFile file;
    ASSERT_TRUE(file.Open("/dev/full", "wb"));
    file.WriteString("more than nothing");
    EXPECT_TRUE(file.AtEnd());
    EXPECT_FALSE(file.Close());
    EXPECT_EQ(file.LastError(), ENOSPC);
    // A file written in full closes as written.
    ASSERT_TRUE(file.Open(path.c_str(), "wb"));
    file.WriteString("stored");
    EXPECT_TRUE(file.Close());
    EXPECT_EQ(file.LastError(), 0);
}

// A device is no file of ours: opening it to write leaves its mode alone.
TEST_F(CxFileTest, OpeningADeviceToWriteKeepsItsMode) {
    struct stat before {};
    ASSERT_EQ(stat("/dev/full", &before), 0);
    CxFile file;
    ASSERT_TRUE(file.Open("/dev/full", "wb"));
    file.Close();
    struct stat after {};
    ASSERT_EQ(stat("/dev/full", &after), 0);
    EXPECT_EQ(after.st_mode, before.st_mode);
}
