#include "platform/TextFile.h"

#include "platform/AppError.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <grp.h>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace tivrel {
namespace {

using namespace std::string_literals;
using Lines = std::vector<std::string>;

void writeBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
    ASSERT_TRUE(out.good()) << path;
}

std::string readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The code of the InOutError the operation raises; -1 when it raises none.
int inOutCodeOf(const std::function<void()>& operation) {
    try {
        operation();
    } catch (const InOutError& e) {
        EXPECT_EQ(std::string(e.what()), inOutMessage(e.code()));
        return e.code();
    }
    return -1;
}

constexpr int childCouldNotDropRoot = 255;

// Runs the operation in a child process and returns the InOutError code it raised (-1 for
// none). A root user ignores file modes, so the child first becomes "nobody" when asked to.
int inOutCodeInChild(const std::function<void()>& operation, bool dropRoot) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        if (dropRoot && ::geteuid() == 0 &&
            (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0))
            ::_exit(childCouldNotDropRoot);
        const int code = inOutCodeOf(operation);
        ::_exit(code < 0 ? 254 : code);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -2;
}

class TextFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "tivrel-textfile-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
        // Open to all, so that a child running as "nobody" meets the file's own mode only.
        ASSERT_EQ(::chmod(dir_.c_str(), 0755), 0);
    }
    void TearDown() override {
        std::error_code ignored;
        std::filesystem::permissions(dir_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
        std::filesystem::remove_all(dir_, ignored);
    }
    std::string path(const std::string& name) const { return dir_ + "/" + name; }

    std::string dir_;
};

TEST_F(TextFileTest, SplitsLinesAtCrLfLoneLfAndLoneCr) {
    const struct {
        std::string bytes;
        Lines lines;
    } cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\r\n", {"a"}},
        {"a\r\n\r\n", {"a", ""}},
        {"\r\n", {""}},
        {"a\nb", {"a", "b"}},
        {"a\rb", {"a", "b"}},
        {"a\r\nb", {"a", "b"}},
        {"a\r\r\n", {"a", ""}},
        {"a\n\r", {"a", ""}},
        {"a\n\rb", {"a", "", "b"}},
        {"a\r\n\n", {"a", ""}},
        {"x\0y\x1a\xff"s, {"x\0y\x1a\xff"s}},
        {"COM3\r\n100\r\n200\r\n354\r\n655\r\n", {"COM3", "100", "200", "354", "655"}},
        {"COM3\r\n100\r\n200\r\n354\r\n655\r\n\r\n", {"COM3", "100", "200", "354", "655", ""}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.bytes));
        writeBytes(path("lines.txt"), c.bytes);
        EXPECT_EQ(readTextLines(path("lines.txt")), c.lines);
    }
}

TEST_F(TextFileTest, WritesEachLineWithCrLfReplacingTheOldFile) {
    const struct {
        Lines lines;
        std::string bytes;
    } cases[] = {
        {{}, ""},
        {{""}, "\r\n"},
        {{"COM3", "100", ""}, "COM3\r\n100\r\n\r\n"},
        {{"7,05", "x\0\xff"s}, "7,05\r\nx\0\xff\r\n"s},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.lines));
        writeBytes(path("out.txt"), std::string(1000, 'z')); // longer than any case
        writeTextLines(path("out.txt"), c.lines);
        EXPECT_EQ(readBytes(path("out.txt")), c.bytes);
    }
}

TEST_F(TextFileTest, LargeFilesSurviveTheRoundTrip) {
    std::string bigLine(10 * 1024 * 1024, ' ');
    for (std::size_t i = 0; i < bigLine.size(); ++i)
        bigLine[i] = static_cast<char>('a' + i % 26);
    writeTextLines(path("big.txt"), {bigLine});
    EXPECT_EQ(std::filesystem::file_size(path("big.txt")), bigLine.size() + 2);
    EXPECT_EQ(readTextLines(path("big.txt")), Lines{bigLine});

    Lines many;
    for (int i = 0; i < 100000; ++i)
        many.push_back("row " + std::to_string(i));
    writeTextLines(path("many.txt"), many);
    EXPECT_EQ(readTextLines(path("many.txt")), many);
}

TEST_F(TextFileTest, AppendAddsOneLineToAnExistingFile) {
    writeTextLines(path("log.csv"), {"head"});
    appendTextLine(path("log.csv"), "row;1");
    appendTextLine(path("log.csv"), "");
    EXPECT_EQ(readBytes(path("log.csv")), "head\r\nrow;1\r\n\r\n");
}

TEST_F(TextFileTest, AppendNeverCreatesAFile) {
    EXPECT_EQ(inOutCodeOf([&] { appendTextLine(path("gone.csv"), "row"); }), 2);
    EXPECT_FALSE(std::filesystem::exists(path("gone.csv")));
}

TEST_F(TextFileTest, RenameMovesTheFile) {
    writeTextLines(path("old.csv"), {"data"});
    renameTextFile(path("old.csv"), path("new.csv"));
    EXPECT_FALSE(std::filesystem::exists(path("old.csv")));
    EXPECT_EQ(readBytes(path("new.csv")), "data\r\n");
}

TEST_F(TextFileTest, RenameNeverReplacesAFile) {
    writeTextLines(path("old.csv"), {"old"});
    writeTextLines(path("new.csv"), {"new"});
    EXPECT_EQ(inOutCodeOf([&] { renameTextFile(path("old.csv"), path("new.csv")); }), 5);
    EXPECT_EQ(readBytes(path("old.csv")), "old\r\n");
    EXPECT_EQ(readBytes(path("new.csv")), "new\r\n");
}

TEST_F(TextFileTest, FailuresRaiseTheClassicCodes) {
    writeTextLines(path("file"), {"x"});
    std::filesystem::create_directory(path("folder"));
    std::filesystem::create_symlink("loop2", path("loop1"));
    std::filesystem::create_symlink("loop1", path("loop2"));
    const std::string tooLong = path(std::string(NAME_MAX + 1, 'n'));

    const struct {
        const char* what;
        std::function<void()> operation;
        int code;
        std::string message;
    } cases[] = {
        {"read a missing file", [&] { readTextLines(path("missing")); }, 2, "File not found"},
        {"read in a missing folder", [&] { readTextLines(path("nowhere/f")); }, 3,
         "Invalid filename"},
        {"write in a missing folder", [&] { writeTextLines(path("nowhere/f"), {}); }, 3,
         "Invalid filename"},
        {"read below a file", [&] { readTextLines(path("file/f")); }, 3, "Invalid filename"},
        {"read a name too long", [&] { readTextLines(tooLong); }, 3, "Invalid filename"},
        {"read a folder", [&] { readTextLines(path("folder")); }, 5, "File access denied"},
        {"write over a folder", [&] { writeTextLines(path("folder"), {"x"}); }, 5,
         "File access denied"},
        {"append to a missing file", [&] { appendTextLine(path("missing"), "x"); }, 2,
         "File not found"},
        {"append in a missing folder", [&] { appendTextLine(path("nowhere/f"), "x"); }, 3,
         "Invalid filename"},
        {"append to a folder", [&] { appendTextLine(path("folder"), "x"); }, 5,
         "File access denied"},
        {"write to a full disk", [] { writeTextLines("/dev/full", {"7,05"}); }, 101, "Disk full"},
        {"append to a full disk", [] { appendTextLine("/dev/full", "7,05"); }, 101, "Disk full"},
        {"rename a missing file", [&] { renameTextFile(path("missing"), path("other")); }, 2,
         "File not found"},
        {"rename into a missing folder", [&] { renameTextFile(path("file"), path("nowhere/f")); },
         3, "Invalid filename"},
        {"rename onto a folder", [&] { renameTextFile(path("file"), path("folder")); }, 5,
         "File access denied"},
        {"read a symbolic link loop", [&] { readTextLines(path("loop1")); }, ELOOP,
         "I/O error " + std::to_string(ELOOP)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        try {
            c.operation();
            ADD_FAILURE() << "no error";
        } catch (const InOutError& e) {
            EXPECT_EQ(e.code(), c.code);
            EXPECT_EQ(std::string(e.what()), c.message);
        }
    }
}

TEST_F(TextFileTest, FileModesThatForbidAccessRaiseAccessDenied) {
    writeTextLines(path("locked"), {"x"});
    ASSERT_EQ(::chmod(path("locked").c_str(), 0), 0);
    writeTextLines(path("readonly"), {"x"});
    ASSERT_EQ(::chmod(path("readonly").c_str(), 0444), 0);
    std::filesystem::create_directory(path("closed"));
    ASSERT_EQ(::chmod(path("closed").c_str(), 0555), 0);

    const struct {
        const char* what;
        std::function<void()> operation;
    } cases[] = {
        {"read a file without read right", [&] { readTextLines(path("locked")); }},
        {"append to a read-only file", [&] { appendTextLine(path("readonly"), "x"); }},
        {"create in a read-only folder", [&] { writeTextLines(path("closed/new"), {"x"}); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const int code = inOutCodeInChild(c.operation, true);
        if (code == childCouldNotDropRoot)
            GTEST_SKIP() << "running as root and unable to become an ordinary user";
        EXPECT_EQ(code, 5);
    }
}

TEST_F(TextFileTest, RunningOutOfFileDescriptorsRaisesTooManyOpenFiles) {
    writeTextLines(path("file"), {"x"});
    const int code = inOutCodeInChild(
        [&] {
            const rlimit few{16, 16};
            if (::setrlimit(RLIMIT_NOFILE, &few) != 0)
                ::_exit(253);
            while (::dup(0) >= 0) {
            }
            readTextLines(path("file"));
        },
        false);
    EXPECT_EQ(code, 4);
}

TEST_F(TextFileTest, FileExistsForFilesAndFolders) {
    writeTextLines(path("file"), {});
    EXPECT_TRUE(fileExists(path("file")));
    EXPECT_TRUE(fileExists(dir_));
    EXPECT_FALSE(fileExists(path("missing")));
    EXPECT_FALSE(fileExists(path("nowhere/file")));
    EXPECT_FALSE(fileExists(""));
}

// Restores the test process's working folder, which every later test relies on.
class WorkingFolderGuard {
public:
    WorkingFolderGuard() : saved_(std::filesystem::current_path()) {}
    ~WorkingFolderGuard() { std::filesystem::current_path(saved_); }

private:
    std::filesystem::path saved_;
};

TEST_F(TextFileTest, CurrentDirectoryFollowsTheWorkingFolder) {
    WorkingFolderGuard guard;
    ASSERT_EQ(::chdir(dir_.c_str()), 0);
    EXPECT_EQ(currentDirectory(), std::filesystem::canonical(dir_).string());
    ASSERT_EQ(::chdir("/"), 0);
    EXPECT_EQ(currentDirectory(), "/");
}

TEST_F(TextFileTest, ARemovedWorkingFolderIsAnInvalidName) {
    WorkingFolderGuard guard;
    std::filesystem::create_directory(path("doomed"));
    ASSERT_EQ(::chdir(path("doomed").c_str()), 0);
    std::filesystem::remove(path("doomed"));
    EXPECT_EQ(inOutCodeOf([] { currentDirectory(); }), 3);
}

TEST(JoinPath, AlwaysInsertsTheSeparator) {
    EXPECT_EQ(joinPath("/home/user", "tivrel7.ini"), "/home/user/tivrel7.ini");
    EXPECT_EQ(joinPath("/", "tivrel7.ini"), "//tivrel7.ini");
    EXPECT_EQ(joinPath("logs/", "a.csv"), "logs//a.csv");
}

} // namespace
} // namespace tivrel
