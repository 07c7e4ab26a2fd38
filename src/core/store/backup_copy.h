// What a backup and a restore copy, and the copying itself: the data files, the month copies
// under Roll, one file at a time with progress, through a copier a test can make fail.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "store/file_io.h"

namespace zelvo::backup {

// Copies one file over another; false when it could not.
using CopyFile = std::function<bool(const fs::path& from, const fs::path& to)>;
// The program's copier: atomic, never readable by more people than the source.
bool copyFileSafely(const fs::path& from, const fs::path& to);

// One file about to be copied: its name relative to the folder ("Roll/Zv9_3/zdat9.bin"), and how
// many of how many.
struct Progress {
    std::string file;
    std::size_t index = 0;  // 0-based
    std::size_t total = 0;
};
using ProgressFn = std::function<void(const Progress&)>;

// The data files a backup holds, the previous generation's included. zvxcfg.cfg goes along too:
// a restore would otherwise keep the display settings of the data it replaced.
const std::vector<std::string_view>& backupFileNames();
// The relative names of the data files present in `folder`.
std::vector<std::string> dataFilesIn(const fs::path& folder);
// "Roll/Zv9_N" for a month number 1-12.
std::string monthCopyFolder(int monthNumber);
// The relative names of the files of the month copies `numbers` present in `folder`.
std::vector<std::string> monthCopyFilesIn(const fs::path& folder, const std::vector<int>& numbers);
// The month numbers whose copy exists under `folder`'s Roll.
std::vector<int> monthCopiesIn(const fs::path& folder);

struct CopyOutcome {
    std::vector<std::string> copied;
    std::optional<std::string> failed;  // the relative name that could not be copied
};
// Copies `names` from one folder into the other, in order, creating subfolders; stops at the
// first file that cannot be copied.
CopyOutcome copyFiles(const fs::path& from, const fs::path& to,
                      const std::vector<std::string>& names, const CopyFile& copy,
                      const ProgressFn& progress, std::size_t progressOffset = 0,
                      std::size_t progressTotal = 0);

// Removes a folder and everything in it; true when it is gone.
bool removeFolder(const fs::path& folder);
// Moves a folder to another name in the same place, replacing what had that name.
bool replaceFolder(const fs::path& from, const fs::path& to);

}  // namespace zelvo::backup
