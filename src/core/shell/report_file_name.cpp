#include "shell/report_file_name.h"

#include <algorithm>
#include <iterator>
#include <string_view>
#include <vector>

#include "resources/strings.h"
#include "shell/report_commands.h"

namespace zelvo::shell {

namespace {

constexpr std::string_view kRefused = "/\\:*?\"<>|";

}  // namespace

std::string reportPdfName(reports::ReportKind kind, std::span<const int> groups, int reportMonth,
                          int reportYear) {
    std::string name = reportKindTitle(kind);
    if (name.empty()) name = res::kProgramName;
    std::vector<int> named;
    std::copy_if(groups.begin(), groups.end(), std::back_inserter(named),
                 [](int g) { return g > 0; });
    if (!named.empty()) {
        name += " #" + std::to_string(named.front());
        if (named.size() > 1) name += "-" + std::to_string(named.back());
    }
    name += " ";
    name += res::monthName(reportMonth);
    name += " " + std::to_string(2000 + reportYear);
    std::replace_if(
        name.begin(), name.end(), [](char c) { return kRefused.find(c) != std::string_view::npos; },
        '-');
    return name + ".pdf";
}

}  // namespace zelvo::shell
