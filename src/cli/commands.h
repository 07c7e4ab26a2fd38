// The commands of zelvo-cli that live in files of their own. Each is declared here, listed in the
// command table of cli.cpp with the number of positionals it takes before the folder (e.g.
// {"person", commandPerson, 0}) and a line of the usage text, and reads the rest of its arguments
// (Options::rest) itself. A command that changes the data runs its change through
// changeAndSave (command_line.h): a refusal exits kExitRefused with nothing written.
#pragma once

#include <iosfwd>

#include "cli/command_line.h"

namespace zelvo::cli {

using Command = int (*)(const Options& o, std::ostream& out, std::ostream& err);

// person FOLDER --id N ACTION: a move between the active, inactive, moved and deleted lists.
int commandPerson(const Options& o, std::ostream& out, std::ostream& err);
// collection FOLDER CHOICE: the month's collection opened, continued or closed.
int commandCollection(const Options& o, std::ostream& out, std::ostream& err);
// enter FOLDER --id N [--month M] [fields]: one report typed into the report form, then saved.
int commandEnter(const Options& o, std::ostream& out, std::ostream& err);
// group FOLDER --id N --to G: a publisher put into group G (0 = none), then saved.
int commandGroup(const Options& o, std::ostream& out, std::ostream& err);
// privilege FOLDER --id N (--set CODE [--from DATE] | --end CODE --on DATE): the privileges
// dialog's change, then saved.
int commandPrivilege(const Options& o, std::ostream& out, std::ostream& err);
// pioneer FOLDER --id N --month M (--aux | --regular | --special | --none): a month's pioneer
// code set as the monthly pioneer lists set it, then saved.
int commandPioneer(const Options& o, std::ostream& out, std::ostream& err);
// history FOLDER (--id N | --totals) --month M --year YYYY [fields]: a past month's stored values
// or the congregation's totals set as the history editor sets them, then saved.
int commandHistory(const Options& o, std::ostream& out, std::ostream& err);
// attendance FOLDER (--month M | --next) [--midweek N,...] [--weekend N,...]: a month's weekly
// attendance entered as the entry dialog enters it, then saved.
int commandAttendance(const Options& o, std::ostream& out, std::ostream& err);

// cards FOLDER (--all | --inactive | --id N ...) [--previous-year] [--a4] (--pdf FILE | --text |
// --json): publisher record cards, one page each (read-only).
int commandCards(const Options& o, std::ostream& out, std::ostream& err);
// list CODE FOLDER [--filter N] [--group G] [--json]: the rows of a status list as the dialog
// fills them (read-only).
int commandList(const Options& o, std::ostream& out, std::ostream& err);
// backup FOLDER [--to LOCATION] [--all-months] [--time HH:MM]: the data folder copied into a
// backup folder named from the time and entered in the backup history.
int commandBackup(const Options& o, std::ostream& out, std::ostream& err);
// restore FOLDER (--last | --from BACKUP | --undo): a backup copied back into the folder, the
// data as they were kept in the undo folder.
int commandRestore(const Options& o, std::ostream& out, std::ostream& err);
}  // namespace zelvo::cli
