#pragma once

#include <stdexcept>
#include <string>

namespace tivrel {

// Every failure the program reports is an exception carrying the text the user sees.
// A handler stops where it is thrown and the window's error box shows the message.
class AppError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A text that is not a number: "'%s' is not a valid integer value" and its kin.
class ConvertError : public AppError {
public:
    using AppError::AppError;
};

// A failing text-file operation, with the classic I/O error code (2, 3, 4, 5, 100, 101, ...).
class InOutError : public AppError {
public:
    explicit InOutError(int code);
    int code() const { return code_; }

private:
    int code_;
};

// A failing serial-port operation: "Unable to open com port (Error: 2)" and the like.
class ComPortError : public AppError {
public:
    using AppError::AppError;
};

// The text of an I/O error code: 2 "File not found", 3 "Invalid filename", ...,
// any other code "I/O error <code>".
std::string inOutMessage(int code);

// The text the error box shows for a message: a full stop is added when the message's last
// character sorts after "." (so "File access denied" gains one, "... (Error: 2)" does not).
std::string errorBoxText(const std::string& message);

} // namespace tivrel
