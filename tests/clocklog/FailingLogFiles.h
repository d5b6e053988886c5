#pragma once

#include "log/LogFiles.h"
#include "platform/AppError.h"

#include <optional>

namespace tivrel::test {

// The real file system, except that each kind of operation can be made to fail with a given
// I/O code (101 "Disk full", 5 "File access denied", ...) until the test clears it again.
class FailingLogFiles : public LogFileSystem {
public:
    std::optional<int> failFolder;
    std::optional<int> failCreate;
    std::optional<int> failAppend;
    std::optional<int> failRename;

    std::string currentFolder() override {
        failIf(failFolder);
        return real_.currentFolder();
    }
    void createWithLines(const std::string& path, const std::vector<std::string>& lines) override {
        failIf(failCreate);
        real_.createWithLines(path, lines);
    }
    void appendLine(const std::string& path, const std::string& line) override {
        failIf(failAppend);
        real_.appendLine(path, line);
    }
    void rename(const std::string& from, const std::string& to) override {
        failIf(failRename);
        real_.rename(from, to);
    }
    bool exists(const std::string& path) override { return real_.exists(path); }

private:
    static void failIf(const std::optional<int>& code) {
        if (code)
            throw InOutError(*code);
    }

    TextFileSystem real_;
};

} // namespace tivrel::test
