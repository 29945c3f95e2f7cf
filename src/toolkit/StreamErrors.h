#pragma once
// Errors of files and streams: a file that cannot be opened or created, and a
// read or write that moves fewer bytes than asked.

#include <stdexcept>
#include <string>

class EStreamError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class EFOpenError : public EStreamError {
public:
    using EStreamError::EStreamError;
};

class EFCreateError : public EStreamError {
public:
    using EStreamError::EStreamError;
};

class EReadError : public EStreamError {
public:
    EReadError() : EStreamError("Stream read error") {}
};

class EWriteError : public EStreamError {
public:
    EWriteError() : EStreamError("Stream write error") {}
};
