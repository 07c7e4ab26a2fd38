// `zelvo-cli group FOLDER --id N --to G`: a publisher put into group G (0 = none) as the
// assignment dialog does it, then saved. An unknown id or a group not in use exits kExitRefused
// with the reason and writes nothing.
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "cli/commands.h"
#include "records/group_assignment_model.h"
#include "resources/strings.h"
#include "store/zelvo_doc.h"

namespace zelvo::cli {

namespace {

struct GroupRequest {
    int id = 0;
    int group = -1;
};

std::optional<GroupRequest> parseRequest(const std::vector<std::string>& args, std::ostream& err) {
    GroupRequest request;
    bool ok = args.size() == 4;
    for (std::size_t i = 0; ok && i < args.size(); i += 2) {
        const auto n = parseNumber(args[i + 1]);
        ok = n.has_value();
        if (ok && args[i] == "--id")
            request.id = *n;
        else if (ok && args[i] == "--to")
            request.group = *n;
        else
            ok = false;
    }
    if (!ok || request.id <= 0 || request.group < 0) {
        err << "Χρήση: group ΦΑΚΕΛΟΣ --id N --to ΟΜΙΛΟΣ (0 = κανένας)\n";
        return std::nullopt;
    }
    return request;
}

}  // namespace

int commandGroup(const Options& o, std::ostream& out, std::ostream& err) {
    const auto request = parseRequest(o.rest, err);
    if (!request) return kExitUsage;
    return changeAndSave(
        o, out, err, [&](CZelvoDoc& doc, CliPrompts&, std::ostream&, std::ostream& e) {
            const auto row = doc.findById(request->id);
            const auto refusal = row ? records::cannotAssign(doc, *row, request->group)
                                     : std::optional<std::string>(res::kNoSuchPerson);
            if (refusal) {
                e << *refusal << "\n";
                return int{kExitRefused};
            }
            (void)records::assignToGroup(doc, *row, request->group);
            return int{kExitOk};
        });
}

}  // namespace zelvo::cli
