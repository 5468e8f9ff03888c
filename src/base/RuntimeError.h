#pragma once

#include <stdexcept>
#include <string>

namespace vokta {

// What went wrong in a calculation. The windows turn each kind into a Russian sentence.
enum class ErrorKind {
    DivisionByZero,
    Overflow,
    InvalidArgument,  // square root or logarithm outside its domain, NaN
    TypeMismatch,     // a text that is not a number in the expected format
};

// A run-time error of the calculation: it ends the operation in which it occurs, nothing more of
// that operation is done, and the program goes on. A calculation that can name the cause in the
// user's terms passes that sentence as userMessage; the window then shows it instead of the generic one.
class RuntimeError : public std::runtime_error {
public:
    explicit RuntimeError(ErrorKind kind, std::string userMessage = {});

    ErrorKind kind() const noexcept { return kind_; }
    const std::string& userMessage() const noexcept { return userMessage_; }

private:
    ErrorKind kind_;
    std::string userMessage_;
};

// Ends a calculation with a run-time error of that kind that names its cause in the user's terms.
[[noreturn]] void Fail(ErrorKind kind, const char* message);

}  // namespace vokta
