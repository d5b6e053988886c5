#include "log/LogFiles.h"

#include "platform/TextFile.h"

namespace tivrel {

namespace {

LogFileSystem*& replacedWindowLogFileSystem() {
    static LogFileSystem* replacement = nullptr;
    return replacement;
}

} // namespace

std::string TextFileSystem::currentFolder() {
    return currentDirectory();
}

void TextFileSystem::createWithLines(const std::string& path,
                                     const std::vector<std::string>& lines) {
    writeTextLines(path, lines);
}

void TextFileSystem::appendLine(const std::string& path, const std::string& line) {
    appendTextLine(path, line);
}

void TextFileSystem::rename(const std::string& from, const std::string& to) {
    renameTextFile(from, to);
}

bool TextFileSystem::exists(const std::string& path) {
    return fileExists(path);
}

LogFileSystem& windowLogFileSystem() {
    static TextFileSystem real;
    LogFileSystem* replacement = replacedWindowLogFileSystem();
    return replacement ? *replacement : real;
}

void replaceWindowLogFileSystem(LogFileSystem* replacement) {
    replacedWindowLogFileSystem() = replacement;
}

} // namespace tivrel
