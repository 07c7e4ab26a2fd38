#include "cli/command_line.h"

#include <charconv>
#include <ostream>
#include <sstream>

#include "cli/cli.h"
#include "cli/cli_prompts.h"
#include "resources/strings.h"
#include "store/clock.h"
#include "store/folder_access.h"
#include "store/folder_lock.h"

namespace zelvo::cli {

namespace fs = std::filesystem;

std::optional<int> parseNumber(const std::string& text) {
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

Date todayOf(const Options& o) {
    return o.today ? *o.today : systemToday();
}

namespace {

int passwordExit(const Options& o, std::ostream& err) {
    if (!o.password)
        err << "Απαιτείται κωδικός: δώστε τον με --password.\n";
    else
        err << "Λάθος κωδικός.\n";
    return kExitPassword;
}

}  // namespace

int loadDocument(CZelvoDoc& doc, const Options& o, LoadMode mode, CliPrompts& prompts,
                 std::ostream& err) {
    doc.startUp(fs::absolute(o.folder).lexically_normal().string(), todayOf(o), mode);
    const LoadResult result = doc.load(prompts, mode);
    if (result.passwordRefused) return passwordExit(o, err);
    if (!result.ok) {
        err << "Τα δεδομένα δεν φορτώθηκαν.\n";
        return kExitFolder;
    }
    return kExitOk;
}

int takeFolder(const FolderLock& lock, const fs::path& folder, std::ostream& err) {
    if (!lock.locked()) {
        err << lock.refusal() << "\n";
        return lock.state() == FolderLock::State::HeldByOther ? kExitLocked : kExitFolder;
    }
    for (const std::string& name : removeLeftoverTempFiles(folder))
        err << res::format(res::kLeftoverRemoved, name) << "\n";
    return kExitOk;
}

int changeAndSave(const Options& o, std::ostream& out, std::ostream& err, const Change& change) {
    const fs::path folder = fs::absolute(o.folder).lexically_normal();
    const FolderLock lock(folder);
    if (const int rc = takeFolder(lock, folder, err); rc != kExitOk) return rc;
    {
        // The rehearsal: the same change on a read-only load. Its messages are the real run's.
        CZelvoDoc rehearsal;
        std::ostringstream quiet;
        CliPrompts prompts(quiet, o.password);
        if (const int rc = loadDocument(rehearsal, o, LoadMode::ReadOnly, prompts, err);
            rc != kExitOk)
            return rc;
        if (const int rc = change(rehearsal, prompts, quiet, quiet); rc != kExitOk) {
            err << quiet.str();
            return rc;
        }
    }
    CZelvoDoc doc;
    CliPrompts prompts(err, o.password);
    if (const int rc = loadDocument(doc, o, LoadMode::Live, prompts, err); rc != kExitOk) return rc;
    if (const int rc = change(doc, prompts, out, err); rc != kExitOk) return rc;
    const SaveResult result = doc.saveAll(prompts);
    doc.closeDocument();
    if (!result.ok) return kExitFailed;
    out << "Αποθηκεύτηκε: " << doc.dataFolder << "\n";
    return kExitOk;
}

}  // namespace zelvo::cli
