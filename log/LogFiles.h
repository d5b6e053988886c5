#pragma once

#include <string>
#include <vector>

// What the log asks of the file system, as an interface, so that tests can make any step fail
// on demand. Every operation throws InOutError with the classic message when it fails.
namespace tivrel {

class LogFileSystem {
public:
    virtual ~LogFileSystem() = default;
    // The process's working folder at this moment.
    virtual std::string currentFolder() = 0;
    // Creates the file (replacing one of that name) with the lines, on disk when it returns.
    virtual void createWithLines(const std::string& path,
                                 const std::vector<std::string>& lines) = 0;
    // Appends a line to an existing file, on disk when it returns.
    virtual void appendLine(const std::string& path, const std::string& line) = 0;
    // Renames a closed file; fails when the new name exists.
    virtual void rename(const std::string& from, const std::string& to) = 0;
    virtual bool exists(const std::string& path) = 0;
};

// The real file system, through the program's text-file layer (which flushes every write to
// disk, so a killed program loses no row).
class TextFileSystem : public LogFileSystem {
public:
    std::string currentFolder() override;
    void createWithLines(const std::string& path, const std::vector<std::string>& lines) override;
    void appendLine(const std::string& path, const std::string& line) override;
    void rename(const std::string& from, const std::string& to) override;
    bool exists(const std::string& path) override;
};

// The file system the window's log writes through: the real one, unless a test has put another
// in its place (nullptr puts the real one back).
LogFileSystem& windowLogFileSystem();
void replaceWindowLogFileSystem(LogFileSystem* replacement);

} // namespace tivrel
