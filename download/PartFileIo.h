// The part file's system calls. Free of Qt, so that the Windows lines meet
// the real Windows headers (and run under Wine) with a plain cross compiler.
#pragma once

#include <cstdio>
#include <filesystem>

// Opens the file with fopen's `mode`; by its UTF-16 name on Windows, so that
// a folder outside the ANSI code page works too.
std::FILE *openPartFile(const std::filesystem::path &path, const char *mode);

// Writes what the stream holds and asks the system to put it on the device
// itself, not only in its cache.
bool flushToDevice(std::FILE *file);

// Moves the stream to `offset` from the file's start, past 2 GiB too.
bool seekPartFile(std::FILE *file, long long offset);

// Empties the file: its length becomes zero.
bool emptyPartFile(std::FILE *file);

// Puts the entries of the folder that holds `file` (one just renamed into
// it) on the device. Windows has no such call for a folder: true there.
bool flushFolderOf(const std::filesystem::path &file);
