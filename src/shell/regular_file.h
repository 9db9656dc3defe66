// Opening the files the plug-in reads. Only regular files are opened: a named
// pipe where a file is expected would block the main thread in open until some
// other process wrote to it, and a folder or device reads as nothing useful.
#pragma once

#include <cerrno>
#include <cstdio>
#include <string>

// The errno of a path that exists but is neither a regular file nor a folder
// (a folder gives EISDIR).
const int kNotARegularFile = ENODEV;

// A descriptor open for reading, or -1 with errno set.
int openRegularFile(const std::string& path);
// The same as a stream ("r"), or null with errno set.
FILE* openRegularFileStream(const std::string& path);
// The whole file into `contents`; false with errno set when it cannot be read,
// EFBIG when it holds more than maxBytes.
bool readRegularFile(const std::string& path, size_t maxBytes, std::string* contents);
// Why a read failed, for the log: strerror, with the refusal above named.
const char* describeReadError(int error);
