// The parsed command line of zelvo-cli, and what every command shares: loading the folder as the
// program does, taking the folder for writing, and a change saved as the program saves.
#pragma once

#include <filesystem>
#include <functional>
#include <iosfwd>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "store/calendar.h"
#include "store/zelvo_doc.h"

namespace zelvo {
class FolderLock;
}

namespace zelvo::cli {

class CliPrompts;

struct Options {
    std::string command;
    std::string folder;
    std::optional<Date> today;
    std::optional<std::string> password;
    std::map<std::string, int> numbers;  // --copy, --people, --seed, --group
    std::string reportKind;              // report KIND
    std::map<std::string, bool> flags;   // --a4, --text, --json
    std::optional<std::string> pdfFile;  // --pdf FILE
    // Commands that read their own arguments: the positionals before the folder (a list code)
    // and everything after it, in order, without --today and --password.
    std::vector<std::string> leading;
    std::vector<std::string> rest;
};

std::optional<int> parseNumber(const std::string& text);

// The date of --today, else the system's.
Date todayOf(const Options& o);

// Loads the folder as the program does at start (without the windows). kExitOk or the exit code,
// after saying why.
int loadDocument(CZelvoDoc& doc, const Options& o, LoadMode mode, CliPrompts& prompts,
                 std::ostream& err);

// A writer's start: with the folder's lock taken, what killed saves left there is cleared.
// Otherwise the exit code, after saying who holds the folder.
int takeFolder(const FolderLock& lock, const std::filesystem::path& folder, std::ostream& err);

// A change as the program makes it: kExitOk when it was made, else the exit code after saying
// why (kExitRefused for a change the program refuses).
using Change =
    std::function<int(CZelvoDoc& doc, CliPrompts& prompts, std::ostream& out, std::ostream& err)>;

// Runs `change` on the folder's data, then saves like `save`. The change runs first on a
// read-only load: a refused change exits without a byte of the folder written.
int changeAndSave(const Options& o, std::ostream& out, std::ostream& err, const Change& change);

}  // namespace zelvo::cli
