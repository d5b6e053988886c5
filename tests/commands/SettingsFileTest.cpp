#include "settings/SettingsFile.h"

#include "platform/AppError.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <grp.h>
#include <gtest/gtest.h>
#include <iterator>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tivrel {
namespace {

using namespace std::string_literals;
using Lines = std::vector<std::string>;

const SettingsFields kFactoryFields{"",  "100", "10", "7", "10", "6", "90", "20",
                                    "0", "0",   "0",  "",  "",   "",  "",   ""};
const std::string kFactoryFile = "100\r\n10\r\n7\r\n10\r\n6\r\n90\r\n20\r\n0\r\n0\r\n0\r\n";

class SettingsFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "tivrel-settings-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
        // Open to all, so that a child running as "nobody" meets the file's own mode only.
        ASSERT_EQ(::chmod(dir_.c_str(), 0755), 0);
    }
    void TearDown() override {
        std::error_code ignored;
        std::filesystem::permissions(dir_ + "/locked", std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
        std::filesystem::remove_all(dir_, ignored);
    }
    std::string path(const std::string& name) const { return dir_ + "/" + name; }
    void writeBytes(const std::string& name, const std::string& bytes) {
        std::ofstream out(path(name), std::ios::binary | std::ios::trunc);
        out << bytes;
        ASSERT_TRUE(out.good());
    }
    std::string readBytes(const std::string& name) {
        std::ifstream in(path(name), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    std::string dir_;
};

TEST_F(SettingsFileTest, SavesFieldsOneToTenReplacingTheOldFile) {
    writeBytes("s.tvr", std::string(100, 'z'));
    SettingsFields fields = kFactoryFields;
    fields[0] = "never";
    fields[11] = "not saved";
    saveSettingsFile(path("s.tvr"), fields);
    EXPECT_EQ(readBytes("s.tvr"), kFactoryFile);
}

TEST_F(SettingsFileTest, LinesGoToFieldsUpToFifteenAndAllToTheBuffer) {
    for (const int count : {0, 1, 7, 10, 12, 15, 16, 20, 3000}) {
        SCOPED_TRACE(count);
        Lines lines;
        std::string bufferText;
        for (int i = 1; i <= count; ++i) {
            lines.push_back("L" + std::to_string(i));
            bufferText += lines.back() + "\r\n";
        }
        SettingsFields fields;
        fields.fill("old");
        ReceiveBuffer buffer;
        buffer.append("7,05\r\n6,9");
        takeSettingsLines(lines, fields, buffer);

        EXPECT_EQ(fields[0], "old");
        for (std::size_t k = 1; k <= kSettingsFieldCount; ++k)
            EXPECT_EQ(fields[k], k <= lines.size() ? lines[k - 1] : "old") << k;
        EXPECT_EQ(buffer.text(), bufferText);
        EXPECT_EQ(buffer.lineCount(), lines.size());
    }
}

TEST_F(SettingsFileTest, ReadsEveryKindOfLineEndAndAnyByte) {
    const Lines expected{"100", "10", "7", "10", "6", "90", "20", "0", "0", "0"};
    for (const std::string& bytes :
         {kFactoryFile, "100\n10\n7\n10\n6\n90\n20\n0\n0\n0\n"s,
          "100\r10\r7\r10\r6\r90\r20\r0\r0\r0"s, "100\r\n10\n7\r10\r\n6\n90\r20\r\n0\n0\r0"s}) {
        SCOPED_TRACE(::testing::PrintToString(bytes));
        writeBytes("l.tvr", bytes);
        SettingsFields fields;
        ReceiveBuffer buffer;
        loadSettingsFile(path("l.tvr"), fields, buffer);
        EXPECT_EQ(Lines(fields.begin() + 1, fields.begin() + 11), expected);
        EXPECT_EQ(buffer.text(), kFactoryFile);
    }

    const std::string huge(10 * 1024 * 1024, '9');
    writeBytes("b.tvr", "\x89PNG\0\xff\r\n"s + huge + "\r\n");
    SettingsFields fields;
    ReceiveBuffer buffer;
    loadSettingsFile(path("b.tvr"), fields, buffer);
    EXPECT_EQ(fields[1], "\x89PNG\0\xff"s);
    EXPECT_EQ(fields[2], huge);
}

// The InOutError code of the operation; -1 for none.
int inOutCodeOf(const std::function<void()>& operation) {
    try {
        operation();
    } catch (const InOutError& error) {
        return error.code();
    }
    return -1;
}

// Runs the operation as "nobody" in a child process (root ignores file modes) and returns the
// code it raised.
int inOutCodeAsNobody(const std::function<void()>& operation) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        if (::geteuid() == 0 &&
            (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0))
            ::_exit(255);
        const int code = inOutCodeOf(operation);
        ::_exit(code < 0 ? 254 : code);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -2;
}

TEST_F(SettingsFileTest, AFileThatCannotBeReadChangesNeitherFieldsNorBuffer) {
    writeBytes("secret.tvr", kFactoryFile);
    ASSERT_EQ(::chmod(path("secret.tvr").c_str(), 0200), 0);
    ASSERT_EQ(::mkdir(path("folder.tvr").c_str(), 0755), 0);
    const struct {
        std::string name;
        int code;
        bool asNobody;
    } cases[] = {
        {"missing.tvr", 2, false},
        {"missing/x.tvr", 3, false},
        {"folder.tvr", 5, false},
        {"secret.tvr", 5, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SettingsFields fields;
        fields.fill("old");
        ReceiveBuffer buffer;
        buffer.append("7,05\r\n");
        const auto load = [&] { loadSettingsFile(path(c.name), fields, buffer); };
        EXPECT_EQ(c.asNobody ? inOutCodeAsNobody(load) : inOutCodeOf(load), c.code);
        if (!c.asNobody) {
            EXPECT_EQ(fields[1], "old");
            EXPECT_EQ(buffer.text(), "7,05\r\n");
        }
    }
}

TEST_F(SettingsFileTest, SaveFailuresCarryTheClassicCodes) {
    ASSERT_EQ(::mkdir(path("folder.tvr").c_str(), 0755), 0);
    ASSERT_EQ(::mkdir(path("locked").c_str(), 0555), 0);
    EXPECT_EQ(inOutCodeOf([&] { saveSettingsFile(path("missing/x.tvr"), kFactoryFields); }), 3);
    EXPECT_EQ(inOutCodeOf([&] { saveSettingsFile(path("folder.tvr"), kFactoryFields); }), 5);
    EXPECT_EQ(inOutCodeOf([&] { saveSettingsFile("/dev/full", kFactoryFields); }), 101);
    EXPECT_EQ(inOutCodeAsNobody([&] { saveSettingsFile(path("locked/x.tvr"), kFactoryFields); }),
              5);
}

TEST(ShortenedMessage, KeepsShortMessagesAndCutsTheMiddleOfLongOnes) {
    const std::string says = "' is not a valid integer value";
    const std::string usual = "'6,9" + says;
    EXPECT_EQ(shortenedMessage(usual), usual);
    const std::string exact = "'" + std::string(200 - 1 - says.size(), '1') + says;
    ASSERT_EQ(exact.size(), 200u);
    EXPECT_EQ(shortenedMessage(exact), exact);

    const std::string huge = "'" + std::string(10 * 1024 * 1024, '7') + says;
    const std::string shown = shortenedMessage(huge);
    EXPECT_EQ(shown.size(), 200u);
    EXPECT_EQ(shown.substr(0, 4), "'777");
    EXPECT_NE(shown.find("7...7"), std::string::npos) << shown;
    EXPECT_TRUE(shown.ends_with("777' is not a valid integer value")) << shown;
}

} // namespace
} // namespace tivrel
