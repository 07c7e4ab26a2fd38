// `zelvo-cli list CODE FOLDER [--filter N] [--group G] [--json]`: the rows of a status list as
// the dialog fills them, one per line with its columns separated by tabs, or as JSON objects
// carrying the person's id. --filter counts the second filter's entries from 1 in the dialog's
// order (the month, the period, the baptism band or the privilege); read-only.
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "cli/cli_prompts.h"
#include "cli/commands.h"
#include "cli/json_writer.h"
#include "reporting/status_list_model.h"
#include "store/zelvo_doc.h"

namespace zelvo::cli {

namespace {

using reporting::StatusList;
using reporting::StatusListModel;

struct ListRequest {
    int code = -1;
    std::optional<int> filter;
    std::optional<int> group;
    bool json = false;
};

constexpr const char* kListUsage =
    "Χρήση: list ΚΩΔΙΚΟΣ ΦΑΚΕΛΟΣ [--filter N] [--group ΟΜΙΛΟΣ] [--json] (ΚΩΔΙΚΟΣ 0-15)\n";

std::optional<ListRequest> parseRequest(const Options& o, std::ostream& err) {
    ListRequest request;
    const auto code = o.leading.empty() ? std::nullopt : parseNumber(o.leading.front());
    bool ok = code && *code >= 0 && *code < reporting::kStatusListCount;
    if (ok) request.code = *code;
    for (std::size_t i = 0; ok && i < o.rest.size(); ++i) {
        const std::string& a = o.rest[i];
        if (a == "--json") {
            request.json = true;
            continue;
        }
        const auto n = i + 1 < o.rest.size() ? parseNumber(o.rest[i + 1]) : std::nullopt;
        ok = n.has_value() && (a == "--filter" || a == "--group");
        if (ok) (a == "--filter" ? request.filter : request.group) = *n;
        ++i;
    }
    if (!ok) {
        err << kListUsage;
        return std::nullopt;
    }
    return request;
}

// The entry `n` (from 1) of `entries`, said when it is not one of them.
bool entryExists(const std::vector<std::string>& entries, int n, const char* option,
                 std::ostream& err) {
    if (n >= 1 && n <= static_cast<int>(entries.size())) return true;
    err << "Η λίστα δεν έχει " << option << " " << n << " (";
    if (entries.empty())
        err << "κανένα";
    else
        err << "1-" << entries.size();
    err << ")\n";
    return false;
}

// Sets the dialog's choices as the request asks; false after saying why it cannot.
bool choose(StatusListModel& model, const ListRequest& request, std::ostream& err) {
    const auto list = static_cast<StatusList>(request.code);
    if (model.list() != list) {
        err << "Η λίστα " << request.code << " δεν προσφέρεται: η προσαρμοσμένη κατηγορία είναι "
            << "κλειστή\n";
        return false;
    }
    if (request.filter) {
        const bool inCombo = !model.comboEntries().empty();
        const auto entries = inCombo ? model.comboEntries() : model.listEntries();
        if (reporting::hasGroupList(list) && !inCombo) {
            err << "Η λίστα " << request.code << " δεν έχει δεύτερο φίλτρο\n";
            return false;
        }
        if (!entryExists(entries, *request.filter, "--filter", err)) return false;
        if (inCombo)
            model.setComboEntry(*request.filter - 1);
        else
            model.setListEntry(*request.filter - 1);
    }
    if (request.group) {
        if (!reporting::hasGroupList(list)) {
            err << "Η λίστα " << request.code << " δεν χωρίζεται σε ομίλους\n";
            return false;
        }
        if (*request.group != 0 &&
            !entryExists(model.listEntries(), *request.group + 1, "--group", err))
            return false;
        model.setListEntry(*request.group);
    }
    return true;
}

void printJson(const CZelvoDoc& doc, const StatusListModel& model, std::ostream& out) {
    JsonWriter json;
    json.beginArray();
    for (const reporting::StatusRow& row : model.rows()) {
        json.beginObject().field("id", doc.publishers[static_cast<std::size_t>(row.row)].id());
        json.key("columns").beginArray();
        std::size_t start = 0;
        for (std::size_t tab; (tab = row.text.find('\t', start)) != std::string::npos;
             start = tab + 1)
            json.value(std::string_view(row.text).substr(start, tab - start));
        json.value(std::string_view(row.text).substr(start));
        json.endArray().field("text", std::string_view(row.text)).endObject();
    }
    json.endArray();
    out << json.text() << "\n";
}

}  // namespace

int commandList(const Options& o, std::ostream& out, std::ostream& err) {
    const auto request = parseRequest(o, err);
    if (!request) return kExitUsage;
    CZelvoDoc doc;
    CliPrompts prompts(err, o.password);
    if (const int rc = loadDocument(doc, o, LoadMode::ReadOnly, prompts, err); rc != kExitOk)
        return rc;
    StatusListModel model(doc, static_cast<StatusList>(request->code), todayOf(o));
    if (!choose(model, *request, err)) return kExitUsage;
    if (request->json) {
        printJson(doc, model, out);
        return kExitOk;
    }
    for (const reporting::StatusRow& row : model.rows()) out << row.text << "\n";
    return kExitOk;
}

}  // namespace zelvo::cli
