// Writing an INI file by replacing it whole: the text keeps its form byte for byte apart from the keys
// set, the platform's reader finds what was written, a value of any length is kept, and a file that
// another program holds open is still written.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/ini_file.h"
#include "framework/ini_text.h"
#include "framework/whole_file.h"
#include "tests/support/scratch_file.h"

namespace fw {
namespace {

// A file of the test's own in the temporary folder, removed when the test ends.
class IniWholeFile : public ::testing::Test {
protected:
    void Write(const std::string& text) const { file_.Write(text); }
    std::string Text() const { return ReadWholeFile(path_).value_or("<unreadable>"); }
    // What the platform's reader gives for a key.
    std::string Platform(const char* section, const std::string& key) const {
        std::vector<char> buf(1 << 17);
        const DWORD n = GetPrivateProfileStringA(section, key.c_str(), "<missing>", buf.data(),
                                                 static_cast<DWORD>(buf.size()), path_.c_str());
        return std::string(buf.data(), n);
    }

    quon::test::ScratchFile file_{"quon-", ".ini"};
    const std::string path_ = file_.Path();
};

TEST_F(IniWholeFile, KeysAreSetAsThePlatformWouldAndTheRestStaysByteForByte) {
    struct Case {
        const char* name;
        std::string before;
        const char* section;
        IniKeys keys;
        std::string after;
    };
    const std::vector<Case> cases = {
        {"a key keeps its line and spelling, a new one follows the section's last line",
         "; counters\r\n[view]\r\nx=5\r\n\r\n[bytes]\r\ndaylim=100\r\nDAY = 7\r\nlevel_1=9\r\n; end\r\n\r\n[skin]\r\nfile=x",
         "bytes", {{"day", "17"}, {"session_entry", "\" Dial \""}},
         "; counters\r\n[view]\r\nx=5\r\n\r\n[bytes]\r\ndaylim=100\r\nDAY =17\r\nlevel_1=9\r\n; end\r\n"
         "session_entry=\" Dial \"\r\n\r\n[skin]\r\nfile=x"},
        {"the first section of the name, whatever its letter case and blanks",
         "  [Bytes]  \r\nday=1\r\n[bytes]\r\nday=2\r\nup=3\r\n", "bytes", {{"day", "10"}, {"up", "30"}},
         "  [Bytes]  \r\nday=10\r\nup=30\r\n[bytes]\r\nday=2\r\nup=3\r\n"},
        {"the first of two equal keys", "[bytes]\r\nday=1\r\nday=2\r\n", "bytes", {{"day", "9"}},
         "[bytes]\r\nday=9\r\nday=2\r\n"},
        {"a key line without a value", "[bytes]\r\n  day  \r\n", "bytes", {{"day", "4"}}, "[bytes]\r\nday=4\r\n"},
        {"a section the file lacks goes at its end", "[view]\r\nx=5", "bytes", {{"day", "1"}, {"up", "2"}},
         "[view]\r\nx=5\r\n[bytes]\r\nday=1\r\nup=2\r\n"},
        {"an empty file", "", "bytes", {{"day", "1"}}, "[bytes]\r\nday=1\r\n"},
        {"a section on the last line without a line break", "[view]\r\nx=5\r\n[bytes]", "bytes", {{"day", "1"}},
         "[view]\r\nx=5\r\n[bytes]\r\nday=1\r\n"},
        {"a header without its bracket is no section", "[bytes\r\nday=1\r\n", "bytes", {{"day", "2"}},
         "[bytes\r\nday=1\r\n[bytes]\r\nday=2\r\n"},
        {"lines that end in LF alone keep it", "[bytes]\nday=1\nup=2\n", "bytes", {{"up", "5"}, {"month", "6"}},
         "[bytes]\nday=1\nup=5\nmonth=6\r\n"},
        {"a line break in a value stays inside its line", "[bytes]\r\nday=1\r\n", "bytes",
         {{"session_entry", "a\r\n[bytes]\r\nday=0"}}, "[bytes]\r\nday=1\r\nsession_entry=a  [bytes]  day=0\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(SetIniKeys(c.before, c.section, c.keys), c.after);
        // The file as the writer leaves it, and what the platform's reader then finds.
        Write(c.before);
        ASSERT_TRUE(IniFile(path_).WriteKeys(c.section, c.keys));
        EXPECT_EQ(Text(), c.after);
        for (const auto& [key, value] : c.keys) {
            const std::string stored = value.find('\n') == std::string::npos ? value : "a  [bytes]  day=0";
            const bool quoted = stored.size() >= 2 && stored.front() == '"' && stored.back() == '"';
            EXPECT_EQ(Platform(c.section, key), quoted ? stored.substr(1, stored.size() - 2) : stored) << key;
        }
    }
}

TEST_F(IniWholeFile, AValueOfAnyLengthIsKept) {
    Write("[skin]\r\nfile=x\r\nname=y\r\n[view]\r\nx=5\r\n");
    for (size_t length : {size_t{32766}, size_t{32767}, size_t{40000}}) {
        SCOPED_TRACE(length);
        const std::string value(length, 'a');
        ASSERT_TRUE(IniFile(path_).WriteString("skin", "file", value));
        EXPECT_EQ(IniFile(path_).ReadString("skin", "file", "<missing>"), value);
        EXPECT_EQ(Platform("skin", "name"), "y");
        EXPECT_EQ(Platform("view", "x"), "5");
    }
}

TEST_F(IniWholeFile, AFileHeldOpenByAnotherProgramIsWrittenInPlaceOrNotAtAll) {
    struct Case {
        const char* name;
        DWORD share;  // how the other program opened the file
        bool written;
    };
    const Case cases[] = {
        {"nothing shared but reading and writing", FILE_SHARE_READ | FILE_SHARE_WRITE, true},
        {"deletion shared too", FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, true},
        {"only reading shared", FILE_SHARE_READ, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Write("[bytes]\r\nday=1\r\n");
        HANDLE held = CreateFileA(path_.c_str(), GENERIC_READ, c.share, nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(held, INVALID_HANDLE_VALUE);
        EXPECT_EQ(IniFile(path_).WriteKeys("bytes", {{"day", "2"}}), c.written);
        CloseHandle(held);
        EXPECT_EQ(Text(), c.written ? "[bytes]\r\nday=2\r\n" : "[bytes]\r\nday=1\r\n");
        EXPECT_EQ(GetFileAttributesA((path_ + ".new").c_str()), INVALID_FILE_ATTRIBUTES) << "the file beside it";
    }
}

}  // namespace
}  // namespace fw
