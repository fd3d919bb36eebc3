#include "config/pages/log/log_files.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>

#include "tests/support/scratch_file.h"

namespace quon::config {
namespace {

class LogFiles : public ::testing::Test {
protected:
    test::ScratchFile file_{"quon-log-", ".log"};
    const std::string path_ = file_.Path();
};

TEST_F(LogFiles, EventLinesInListBoxOrder) {
    std::ofstream(path_, std::ios::binary) << "[status]\r\n05.03.26|10:00:01|1=Start\r\n"
                                              "04.04.26|09:00:00|4=Disconnected\r\n05.02.26|08:00:00|0=Restart\r\n";
    const auto lines = ReadEventLogLines(path_);
    ASSERT_TRUE(lines);
    // day of month first: two months with the same day stand together
    EXPECT_EQ(std::vector<std::string>(lines->lines.begin(), lines->lines.end()),
              (std::vector<std::string>{"[status]", "04.04.26|09:00:00|4=Disconnected",
                                                "05.02.26|08:00:00|0=Restart", "05.03.26|10:00:01|1=Start"}));
    EXPECT_FALSE(ReadEventLogLines(path_ + ".missing"));
    EXPECT_FALSE(ReadActivityLog(path_ + ".missing"));
    std::ofstream(path_, std::ios::binary) << "0125a9";
    EXPECT_EQ(ReadActivityLog(path_), "0125a9");
}

TEST_F(LogFiles, DeletionIsReportedOnlyWhenTheFileIsGone) {
    EXPECT_TRUE(DeleteLogFile(path_));  // nothing there: nothing to keep
    std::ofstream(path_) << "1";
    EXPECT_TRUE(DeleteLogFile(path_));
    EXPECT_EQ(GetFileAttributesA(path_.c_str()), INVALID_FILE_ATTRIBUTES);

    // a folder in its place
    ASSERT_TRUE(CreateDirectoryA(path_.c_str(), nullptr));
    EXPECT_FALSE(DeleteLogFile(path_));
    RemoveDirectoryA(path_.c_str());

    // a file held open by another program that does not share deleting
    std::ofstream(path_) << "1";
    HANDLE held = CreateFileA(path_.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(DeleteLogFile(path_));
    CloseHandle(held);
    EXPECT_TRUE(DeleteLogFile(path_));
}

}  // namespace
}  // namespace quon::config
