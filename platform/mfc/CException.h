// Exceptions of the class library. They are thrown by value and caught by reference;
// CException derives from std::exception so that a host catches everything in one place.
#pragma once

#include <exception>
#include <string>

class CException : public std::exception {
public:
    explicit CException(std::string message = "exception") : m_message(std::move(message)) {}
    ~CException() override = default;
    const char* what() const noexcept override { return m_message.c_str(); }

private:
    std::string m_message;
};

// A bad argument, above all an array index outside the array.
class CInvalidArgException : public CException {
public:
    explicit CInvalidArgException(std::string message = "invalid argument")
        : CException(std::move(message)) {}
};

// Throws the invalid-argument exception; the class library's own name for it.
[[noreturn]] void AfxThrowInvalidArgException();
