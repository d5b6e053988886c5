#include "platform/TextFile.h"

#include "platform/AppError.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tivrel {

namespace {

constexpr std::string_view lineEnd = "\r\n";

bool isFolder(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    if (slash == 0)
        return "/";
    return path.substr(0, slash);
}

// The classic code for a failed call on `path`. A missing name is "File not found" when its
// folder is there and "Invalid filename" when the folder itself is missing, as on the system
// the codes come from.
int inOutCode(int error, const std::string& path) {
    switch (error) {
    case ENOENT:
        return isFolder(folderOf(path)) ? 2 : 3;
    case ENOTDIR:
    case ENAMETOOLONG:
        return 3;
    case EMFILE:
    case ENFILE:
        return 4;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case EBUSY:
    case ETXTBSY:
        return 5;
    case ENOSPC:
    case EDQUOT:
        return 101;
    default:
        return error;
    }
}

[[noreturn]] void fail(int error, const std::string& path) {
    throw InOutError(inOutCode(error, path));
}

// Owns an open descriptor; an error path closes it without a second report.
class OpenFile {
public:
    OpenFile(const std::string& path, int flags) : path_(path) {
        do
            fd_ = ::open(path.c_str(), flags | O_CLOEXEC, 0666);
        while (fd_ < 0 && errno == EINTR);
        if (fd_ < 0)
            fail(errno, path_);
    }
    ~OpenFile() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;

    std::string readAll() {
        std::string data;
        struct stat info {};
        if (::fstat(fd_, &info) == 0 && info.st_size > 0)
            data.reserve(static_cast<std::size_t>(info.st_size));
        char chunk[65536];
        for (;;) {
            const ssize_t got = ::read(fd_, chunk, sizeof chunk);
            if (got < 0 && errno == EINTR)
                continue;
            if (got < 0)
                fail(errno, path_);
            if (got == 0)
                return data;
            data.append(chunk, static_cast<std::size_t>(got));
        }
    }

    void writeAll(std::string_view bytes) {
        while (!bytes.empty()) {
            const ssize_t done = ::write(fd_, bytes.data(), bytes.size());
            if (done < 0 && errno == EINTR)
                continue;
            if (done < 0)
                fail(errno, path_);
            bytes.remove_prefix(static_cast<std::size_t>(done));
        }
    }

    // Devices and pipes cannot be synchronised (EINVAL, EROFS); what was written to them has
    // gone where it goes, which is all a caller can ask.
    void syncToDisk() {
        if (::fsync(fd_) != 0 && errno != EINVAL && errno != EROFS)
            fail(errno, path_);
    }

    // A delayed write error (a network file system, a full quota) shows up here at the latest.
    // On Linux the descriptor is gone even when close reports EINTR, so that is no failure.
    void close() {
        const int fd = fd_;
        fd_ = -1;
        if (::close(fd) != 0 && errno != EINTR)
            fail(errno, path_);
    }

private:
    std::string path_;
    int fd_ = -1;
};

std::vector<std::string> splitLines(const std::string& data) {
    std::vector<std::string> lines;
    std::size_t pos = 0;
    while (pos < data.size()) {
        const std::size_t end = data.find_first_of("\r\n", pos);
        if (end == std::string::npos) {
            lines.push_back(data.substr(pos));
            break;
        }
        lines.push_back(data.substr(pos, end - pos));
        pos = end + 1;
        if (data[end] == '\r' && pos < data.size() && data[pos] == '\n')
            ++pos;
    }
    return lines;
}

// Without replacing: renameat2 where the file system knows RENAME_NOREPLACE, else a hard link
// (which never replaces), else a look before renaming. Returns 0 or the errno of the failure.
int renameWithoutReplacing(const std::string& from, const std::string& to) {
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS)
        return errno;
    if (::link(from.c_str(), to.c_str()) == 0)
        return ::unlink(from.c_str()) == 0 ? 0 : errno;
    if (errno != EPERM && errno != ENOTSUP && errno != EXDEV)
        return errno;
    struct stat info {};
    if (::lstat(to.c_str(), &info) == 0)
        return EEXIST;
    return ::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}

} // namespace

std::vector<std::string> readTextLines(const std::string& path) {
    OpenFile file(path, O_RDONLY);
    const std::string data = file.readAll();
    file.close();
    return splitLines(data);
}

void writeTextLines(const std::string& path, const std::vector<std::string>& lines) {
    std::size_t total = 0;
    for (const std::string& line : lines)
        total += line.size() + lineEnd.size();
    std::string data;
    data.reserve(total);
    for (const std::string& line : lines) {
        data += line;
        data += lineEnd;
    }
    OpenFile file(path, O_WRONLY | O_CREAT | O_TRUNC);
    file.writeAll(data);
    file.syncToDisk();
    file.close();
}

void appendTextLine(const std::string& path, const std::string& line) {
    OpenFile file(path, O_WRONLY | O_APPEND);
    file.writeAll(line + std::string(lineEnd));
    file.syncToDisk();
    file.close();
}

void renameTextFile(const std::string& from, const std::string& to) {
    const int error = renameWithoutReplacing(from, to);
    if (error == 0)
        return;
    if (error == EEXIST)
        throw InOutError(5);
    // Either name can be at fault; when the source is there, the fault lies with the new name.
    struct stat info {};
    const bool sourceThere = ::lstat(from.c_str(), &info) == 0;
    fail(error, sourceThere ? to : from);
}

bool fileExists(const std::string& path) {
    struct stat info {};
    return !path.empty() && ::stat(path.c_str(), &info) == 0;
}

std::string currentDirectory() {
    std::string buffer(256, '\0');
    for (;;) {
        if (::getcwd(buffer.data(), buffer.size()) != nullptr) {
            buffer.resize(buffer.find('\0'));
            return buffer;
        }
        if (errno != ERANGE)
            // The working folder was removed or cannot be named: a missing folder.
            throw InOutError(errno == ENOENT ? 3 : inOutCode(errno, "."));
        buffer.resize(buffer.size() * 2);
    }
}

std::string joinPath(const std::string& folder, const std::string& name) {
    return folder + "/" + name;
}

} // namespace tivrel
