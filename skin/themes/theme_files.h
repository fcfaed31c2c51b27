#pragma once
// Where the theme layer finds and reads theme files. Normally the file system; a stand-in may
// take its place, so that names coming from untrusted data (a window description's ThemeFile)
// reach no real file while they are tried, and so that the loading paths can be driven from
// memory.
#include <string>

#include "base/byte_io.h"

namespace tolsy {

class ThemeFiles {
  public:
    virtual ~ThemeFiles() = default;
    // A regular file of that name exists.
    virtual bool exists(const std::string& path) const;
    // The whole file; false when it cannot be opened or read.
    virtual bool read(const std::string& path, Bytes& out) const;
};

// The files in use; the file system unless replaced.
const ThemeFiles& theme_files();
// Puts `files` in use (nullptr: the file system again) and returns what was in use before.
const ThemeFiles* set_theme_files(const ThemeFiles* files);

}  // namespace tolsy
