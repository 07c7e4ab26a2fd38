#include "cli/cli.h"

#include <filesystem>
#include <iostream>
#include <map>
#include <optional>

#include "cli/cli_prompts.h"
#include "cli/command_line.h"
#include "cli/commands.h"
#include "cli/document_json.h"
#include "cli/report_command.h"
#include "demo/demo_congregation.h"
#include "resources/strings.h"
#include "store/clock.h"
#include "store/cp1253.h"
#include "store/folder_lock.h"
#include "store/zelvo_doc.h"

namespace zelvo::cli {

namespace {

namespace fs = std::filesystem;

constexpr const char* kUsage =
    "Χρήση: zelvo-cli [--today ΕΕΕΕ-ΜΜ-ΗΗ] [--password ΚΩΔΙΚΟΣ] ΕΝΤΟΛΗ ΦΑΚΕΛΟΣ\n"
    "Εντολές:\n"
    "  check ΦΑΚΕΛΟΣ                         έλεγχος των δεδομένων (μόνο ανάγνωση)\n"
    "  dump ΦΑΚΕΛΟΣ [--copy K]               όλα τα δεδομένα ως JSON (μόνο ανάγνωση)\n"
    "  status ΦΑΚΕΛΟΣ                        κατάσταση κάθε ευαγγελιζομένου ως JSON (μόνο "
    "ανάγνωση)\n"
    "  save ΦΑΚΕΛΟΣ                          φόρτωση και αποθήκευση όπως το πρόγραμμα\n"
    "  backup ΦΑΚΕΛΟΣ [--to ΘΕΣΗ] [--all-months] [--time ΩΩ:ΛΛ]\n"
    "                                        αντίγραφο ασφαλείας σε φάκελο Zv9_ της ώρας\n"
    "  restore ΦΑΚΕΛΟΣ (--last | --from ΑΝΤΙΓΡΑΦΟ | --undo)\n"
    "                                        επαναφορά αντιγράφου ή αναίρεση της τελευταίας\n"
    "  demo ΦΑΚΕΛΟΣ [--people N] [--seed S]  δημιουργία δοκιμαστικής εκκλησίας\n"
    "  report ΕΙΔΟΣ ΦΑΚΕΛΟΣ [--group N] [--a4] (--pdf ΑΡΧΕΙΟ | --text | --json)\n"
    "                                        μία αναφορά σε 300 dpi (μόνο ανάγνωση)\n"
    "  list ΚΩΔΙΚΟΣ ΦΑΚΕΛΟΣ [--filter N] [--group ΟΜΙΛΟΣ] [--json]\n"
    "                                        μία λίστα κατάστασης (ΚΩΔΙΚΟΣ 0-15, μόνο ανάγνωση)\n"
    "  cards ΦΑΚΕΛΟΣ (--all | --inactive | --id N ... | --totals) [--previous-year]\n"
    "      [--period 6|year|12|24] [--a4] (--pdf ΑΡΧΕΙΟ | --text | --json)\n"
    "                                        αρχεία ευαγγελιζομένων (μόνο ανάγνωση)\n"
    "  person ΦΑΚΕΛΟΣ --id N ΕΝΕΡΓΕΙΑ         μεταφορά ατόμου μεταξύ των λιστών, ΕΝΕΡΓΕΙΑ μία από\n"
    "      --to-inactive ΜΗΝΑΣ ΕΤΟΣ, --reactivate ΜΗΝΑΣ, --move ΜΗΝΑΣ, --undo-move [ΜΗΝΑΣ\n"
    "      [--regular]], --delete, --delete-temporary ΜΗΝΑΣ ΕΤΟΣ, --restore ΜΗΝΑΣ\n"
    "  collection ΦΑΚΕΛΟΣ ΕΠΙΛΟΓΗ             συλλογή εκθέσεων του μήνα, ΕΠΙΛΟΓΗ μία από\n"
    "      --continue, --initialize, --early, --close\n"
    "  enter ΦΑΚΕΛΟΣ --id N [--month M] [--hours H] [--studies S] [--placements P] [--videos V]\n"
    "      [--return-visits R] [--participated] [--aux] [--remark ΚΕΙΜΕΝΟ]\n"
    "                                        ένα δελτίο έργου όπως στη φόρμα (M: καθυστερημένη\n"
    "                                        έκθεση ενός από τους έντεκα προηγούμενους μήνες)\n"
    "  group ΦΑΚΕΛΟΣ --id N --to ΟΜΙΛΟΣ       διορισμός ευαγγελιζομένου σε όμιλο (0 = κανένας)\n"
    "  privilege ΦΑΚΕΛΟΣ --id N (--set ΚΩΔΙΚΟΣ [--from ΕΕΕΕ-ΜΜ-ΗΗ] | --end ΚΩΔΙΚΟΣ --on "
    "ΕΕΕΕ-ΜΜ-ΗΗ)\n"
    "                                        προνόμιο ή διορισμός σκαπανέα (ΚΩΔΙΚΟΣ 1-5), η\n"
    "                                        έναρξη ή το τέλος του\n"
    "  pioneer ΦΑΚΕΛΟΣ --id N --month ΜΗΝΑΣ (--aux | --regular | --special | --none)\n"
    "                                        σκαπανέας ενός μήνα, όπως στις λίστες σκαπανέων\n"
    "  attendance ΦΑΚΕΛΟΣ (--month ΜΗΝΑΣ | --next) [--midweek N,N,N,N[,N]]\n"
    "      [--weekend N,N,N,N[,N]]           παρόντες των εβδομάδων ενός μήνα, όπως στην\n"
    "                                        καταχώρηση (--next: ο επόμενος μήνας)\n"
    "  history ΦΑΚΕΛΟΣ (--id N | --totals) --month M --year ΕΕΕΕ [--hours H] [--studies S]\n"
    "      [--placements P] [--videos V] [--return-visits R] [--credit C] [--participated]\n"
    "      [--pioneer ΚΩΔΙΚΟΣ] [--late-mark 0|1] [--reports N] [--active N]\n"
    "                                        διόρθωση ενός περασμένου μήνα ή των συνόλων του\n"
    "                                        (ΚΩΔΙΚΟΣ 0-3: κανένας έως ειδικός σκαπανέας)\n";

// How many positionals a command that reads its own arguments takes before the folder; nothing
// for the commands parsed here.
std::optional<std::size_t> ownArguments(const std::string& command);

// Takes --today and --password out of `args`, wherever they stand. False after saying why.
bool takeGlobalOptions(std::vector<std::string>& args, Options& o, std::ostream& err) {
    std::vector<std::string> kept;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a != "--today" && a != "--password") {
            kept.push_back(a);
            continue;
        }
        if (i + 1 >= args.size()) {
            err << "Λείπει η τιμή του " << a << "\n";
            return false;
        }
        const std::string& value = args[++i];
        if (a == "--password") {
            o.password = value;
            continue;
        }
        o.today = parseIsoDate(value);
        if (!o.today) {
            err << "Μη έγκυρη ημερομηνία: " << value << "\n";
            return false;
        }
    }
    args = std::move(kept);
    return true;
}

// COMMAND [LEADING...] FOLDER ARGS...: the command reads ARGS itself.
std::optional<Options> parseOwn(const std::vector<std::string>& args, std::size_t leading,
                                Options o) {
    if (args.size() < leading + 2) return std::nullopt;
    o.command = args[0];
    for (std::size_t i = 1; i <= leading + 1; ++i)
        if (args[i].rfind("--", 0) == 0) return std::nullopt;
    o.leading.assign(args.begin() + 1, args.begin() + static_cast<long>(leading) + 1);
    o.folder = args[leading + 1];
    o.rest.assign(args.begin() + static_cast<long>(leading) + 2, args.end());
    return o;
}

std::optional<Options> parse(std::vector<std::string> args, std::ostream& err) {
    Options o;
    if (!takeGlobalOptions(args, o, err)) return std::nullopt;
    if (!args.empty())
        if (const auto leading = ownArguments(args[0])) return parseOwn(args, *leading, o);
    std::vector<std::string> positional;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto next = [&]() -> std::optional<std::string> {
            if (i + 1 >= args.size()) {
                err << "Λείπει η τιμή του " << a << "\n";
                return std::nullopt;
            }
            return args[++i];
        };
        if (a == "--a4" || a == "--text" || a == "--json") {
            o.flags[a.substr(2)] = true;
        } else if (a == "--pdf") {
            const auto v = next();
            if (!v) return std::nullopt;
            o.pdfFile = *v;
        } else if (a == "--copy" || a == "--people" || a == "--seed" || a == "--group") {
            const auto v = next();
            if (!v) return std::nullopt;
            const auto n = parseNumber(*v);
            if (!n || *n < 0) {
                err << "Μη έγκυρος αριθμός για " << a << ": " << *v << "\n";
                return std::nullopt;
            }
            o.numbers[a.substr(2)] = *n;
        } else if (a.rfind("--", 0) == 0) {
            err << "Άγνωστη επιλογή: " << a << "\n";
            return std::nullopt;
        } else {
            positional.push_back(a);
        }
    }
    if (positional.size() == 3 && positional[0] == "report") {
        o.reportKind = positional[1];
        positional.erase(positional.begin() + 1);
    }
    if (positional.size() != 2) return std::nullopt;
    o.command = positional[0];
    o.folder = positional[1];
    return o;
}

bool folderReadable(const std::string& folder) {
    std::error_code ec;
    if (!fs::is_directory(folder, ec)) return false;
    fs::directory_iterator it(folder, ec);
    return !ec;
}

void printCheck(const CZelvoDoc& doc, std::ostream& out) {
    const CalendarState& c = doc.calendar;
    out << "Φάκελος: " << doc.currentFolder() << "\n";
    out << "Μήνας εργασίας: " << res::monthName(c.reportMonth) << " " << 2000 + c.reportYear
        << " (απόλυτος μήνας " << c.reportAbsMonth << ", " << (c.newReportForm ? "νέο" : "παλιό")
        << " δελτίο)\n";
    out << "Εγγραφές: " << doc.recordCount() - 1 << "\n";
    static constexpr const char* kKinds[] = {"Ευαγγελιζόμενοι", "Αδρανείς", "Μη ευαγγελιζόμενοι",
                                             "Μετακομισμένοι", "Διαγραμμένοι"};
    for (std::size_t k = 0; k < 5; ++k)
        out << "  " << kKinds[k] << ": " << doc.kindCounts[k] << "\n";
    out << "  Επίσκοπος περιοχής: " << (doc.circuitOverseerRow != 0 ? 1 : 0) << "\n";
    out << "Παρατηρήσεις: " << doc.remarkCount() - 1 << "\n";
    out << "Καθυστερημένες εκθέσεις: " << doc.lateReports.size() << "\n";
    out << "Στοιχεία επικοινωνίας: "
        << (doc.contactExtras.empty() ? 0 : doc.contactExtras.size() - 1) << "\n";
    out << "Επαφές έκτακτης ανάγκης: " << doc.emergencyKeys.size() << "\n";
    out << "Ειδικές ανάγκες: " << doc.specialNeedsKeys.size() << "\n";
    out << "Διορισμοί: " << doc.appointments.size() << "\n";
    out << "Όμιλοι: " << int{doc.groups.groupCount()} << "\n";
    out << "Αντίγραφα μηνών: ";
    bool any = false;
    for (int k = 1; k <= 6; ++k)
        if (doc.previousMask & (1 << k)) {
            out << (any ? ", " : "") << res::monthName(c.liveReportMonth - k);
            any = true;
        }
    out << (any ? "" : "κανένα") << "\n";
    out << "Προβλήματα: " << doc.problems.size() << "\n";
    for (const std::string& p : doc.problems) out << "  - " << p << "\n";
}

int commandCheck(const Options& o, std::ostream& out, std::ostream& err) {
    CZelvoDoc doc;
    CliPrompts prompts(err, o.password);
    if (const int rc = loadDocument(doc, o, LoadMode::ReadOnly, prompts, err); rc != kExitOk)
        return rc;
    printCheck(doc, out);
    return kExitOk;
}

int commandDump(const Options& o, std::ostream& out, std::ostream& err) {
    CZelvoDoc doc;
    CliPrompts prompts(err, o.password);
    if (const int rc = loadDocument(doc, o, LoadMode::ReadOnly, prompts, err); rc != kExitOk)
        return rc;
    if (const auto copy = o.numbers.find("copy"); copy != o.numbers.end()) {
        if (copy->second < 1 || copy->second > 6) {
            err << "Το --copy δέχεται 1 έως 6.\n";
            return kExitUsage;
        }
        if (!doc.viewMonthCopy(copy->second, prompts)) {
            err << "Δεν υπάρχει αντίγραφο του μήνα "
                << res::monthName(doc.calendar.liveReportMonth - copy->second) << ".\n";
            return kExitFolder;
        }
    }
    out << documentJson(doc) << "\n";
    return kExitOk;
}

int commandStatus(const Options& o, std::ostream& out, std::ostream& err) {
    CZelvoDoc doc;
    CliPrompts prompts(err, o.password);
    if (const int rc = loadDocument(doc, o, LoadMode::ReadOnly, prompts, err); rc != kExitOk)
        return rc;
    out << statusJson(doc) << "\n";
    return kExitOk;
}

int commandSave(const Options& o, std::ostream& out, std::ostream& err) {
    const fs::path folder = fs::absolute(o.folder).lexically_normal();
    const FolderLock lock(folder);
    if (const int rc = takeFolder(lock, folder, err); rc != kExitOk) return rc;
    CZelvoDoc doc;
    CliPrompts prompts(err, o.password);
    if (const int rc = loadDocument(doc, o, LoadMode::Live, prompts, err); rc != kExitOk) return rc;
    const SaveResult result = doc.saveAll(prompts);
    doc.closeDocument();
    if (!result.ok) return kExitFailed;
    out << "Αποθηκεύτηκε: " << doc.dataFolder << "\n";
    return kExitOk;
}

int commandReport(const Options& o, std::ostream& out, std::ostream& err) {
    const auto group = o.numbers.find("group");
    auto request = reportRequest(
        o.reportKind, group != o.numbers.end() ? std::optional<int>(group->second) : std::nullopt,
        o.flags.contains("a4"), o.flags.contains("text"), o.flags.contains("json"), o.pdfFile, err);
    if (!request) return kExitUsage;
    request->today = todayOf(o);
    CZelvoDoc doc;
    CliPrompts prompts(err, o.password);
    if (const int rc = loadDocument(doc, o, LoadMode::ReadOnly, prompts, err); rc != kExitOk)
        return rc;
    return printReport(doc, *request, out, err);
}

int commandDemo(const Options& o, std::ostream& out, std::ostream& err) {
    demo::DemoOptions options;
    if (const auto it = o.numbers.find("people"); it != o.numbers.end())
        options.people = it->second;
    if (const auto it = o.numbers.find("seed"); it != o.numbers.end())
        options.seed = static_cast<unsigned>(it->second);
    options.today = todayOf(o);
    if (options.people < 1 || options.people > static_cast<int>(CZelvoDoc::kMaxRows - 1)) {
        err << "Το --people δέχεται 1 έως " << CZelvoDoc::kMaxRows - 1 << ".\n";
        return kExitUsage;
    }
    options.fullSideTables = options.people >= static_cast<int>(CZelvoDoc::kMaxRows - 1);
    std::error_code ec;
    fs::create_directories(o.folder, ec);
    if (!folderReadable(o.folder)) {
        err << "Ο φάκελος δεν είναι προσβάσιμος: " << o.folder << "\n";
        return kExitFolder;
    }
    const fs::path folder = fs::absolute(o.folder).lexically_normal();
    const FolderLock lock(folder);
    if (const int rc = takeFolder(lock, folder, err); rc != kExitOk) return rc;
    if (!demo::writeDemoCongregation(folder.string(), options)) {
        err << "Η δημιουργία της εκκλησίας απέτυχε.\n";
        return kExitFailed;
    }
    out << "Δημιουργήθηκε: " << o.folder << " (" << options.people << " άτομα)\n";
    return kExitOk;
}

struct CommandEntry {
    std::string_view name;
    Command run;
    // Commands that read their own arguments (commands.h): the positionals before the folder.
    std::optional<std::size_t> ownArguments;
};

constexpr CommandEntry kCommands[] = {
    {"check", commandCheck, {}},
    {"dump", commandDump, {}},
    {"save", commandSave, {}},
    {"demo", commandDemo, {}},
    {"status", commandStatus, {}},
    {"report", commandReport, {}},
    {"person", commandPerson, 0},
    {"collection", commandCollection, 0},
    {"enter", commandEnter, 0},
    {"group", commandGroup, 0},
    {"privilege", commandPrivilege, 0},
    {"pioneer", commandPioneer, 0},
    {"attendance", commandAttendance, 0},
    {"history", commandHistory, 0},
    {"backup", commandBackup, 0},
    {"restore", commandRestore, 0},
    {"list", commandList, 1},
    {"cards", commandCards, 0},
};

const CommandEntry* findCommand(const std::string& name) {
    for (const CommandEntry& entry : kCommands)
        if (entry.name == name) return &entry;
    return nullptr;
}

std::optional<std::size_t> ownArguments(const std::string& command) {
    const CommandEntry* entry = findCommand(command);
    return entry ? entry->ownArguments : std::nullopt;
}

}  // namespace

int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const auto options = parse(args, err);
    if (!options) {
        err << kUsage;
        return kExitUsage;
    }
    const CommandEntry* command = findCommand(options->command);
    if (command == nullptr) {
        err << "Άγνωστη εντολή: " << options->command << "\n" << kUsage;
        return kExitUsage;
    }
    if (options->command != "demo" && !folderReadable(options->folder)) {
        err << "Ο φάκελος δεν υπάρχει ή δεν διαβάζεται: " << options->folder << "\n";
        return kExitFolder;
    }
    try {
        return command->run(*options, out, err);
    } catch (const std::exception& e) {
        err << "Σφάλμα: " << e.what() << "\n";
        return kExitFailed;
    }
}

int run(int argc, char** argv) {
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) args.emplace_back(argv[i]);
    return run(args, std::cout, std::cerr);
}

}  // namespace zelvo::cli
