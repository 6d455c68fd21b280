#pragma once
// Scratch directories, file bytes and in-memory writing for the INI store tests.

#include "inistore/inifile.h"

#include <string>

// A fresh directory under the system's temporary directory, removed with its files.
class ScratchDir
{
  public:
    ScratchDir();
    ~ScratchDir();
    ScratchDir(const ScratchDir &) = delete;
    ScratchDir &operator=(const ScratchDir &) = delete;
    std::string Path(const std::string &name) const { return dir_ + "/" + name; }
    const std::string &Dir() const { return dir_; }
    // Names of the entries in the directory, sorted.
    std::string Listing() const;

  private:
    std::string dir_;
};

void WriteBytes(const std::string &path, const std::string &bytes);
std::string ReadBytes(const std::string &path);

// What Ini_WriteToFile would put into a file, through the generic writer.
std::string WriteToString(IniText store);

// A new store read from these bytes through a file; the caller disposes of it.
IniText ReadStoreFromBytes(const ScratchDir &dir, const std::string &bytes);

std::string GetString(IniText store, const char *section, const char *tag);
