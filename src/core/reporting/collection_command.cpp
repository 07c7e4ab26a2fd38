#include "reporting/collection_command.h"

#include "resources/strings.h"
#include "store/data_files.h"
#include "store/file_io.h"
#include "store/ini_file.h"
#include "store/report_month.h"
#include "store/settings.h"
#include "store/user_prompts.h"
#include "store/zelvo_doc.h"

namespace zelvo::reporting {

namespace {

// Written at once, like the choice cleared at start: an unsaved session must not lose it.
void storeEarlyChoice(CZelvoDoc& doc, const CollectionStartModel::Result& r, UserPrompts& prompts) {
    doc.calendar.earlyYear = r.earlyYear;
    doc.calendar.earlyMonth = r.earlyMonth;
    doc.settings.earlyYear = r.earlyYear;
    doc.settings.earlyMonth = r.earlyMonth;
    if (doc.readOnly() || doc.unreadableFiles.contains(files::kSettings)) return;
    const fs::path iniPath = resolvePath(doc.dataFolder, files::kSettings);
    IniFile ini = IniFile::load(iniPath);
    if (!ini.complete()) return;  // too large: reported at start, never rewritten
    writeEarlyChoice(doc.settings, ini);
    if (!ini.save(iniPath))
        prompts.showMessage(res::format(res::kCannotCreateFile, iniPath.string()));
}

void storeStates(CZelvoDoc& doc, const CollectionStartModel::Result& r) {
    PublisherRecord& h = doc.header();
    for (int m = 0; m < 12; ++m) {
        const std::uint8_t state = r.states[static_cast<std::size_t>(m)];
        if (h.collectionState(m) == state) continue;
        h.setCollectionState(m, state);
        doc.markModified();
    }
}

}  // namespace

bool collectionOpen(const CZelvoDoc& doc) {
    return doc.header().collectionState(doc.calendar.reportMonth) == 1;
}

std::string workingMonthText(const CZelvoDoc& doc) {
    return res::format(res::kStatusReportMonth, res::monthName(doc.calendar.reportMonth));
}

EnterReportsOutcome enterReports(CZelvoDoc& doc, const Date& today, UserPrompts& prompts,
                                 const StartDialog& showStartDialog) {
    EnterReportsOutcome outcome;
    if (!collectionOpen(doc)) {
        outcome.dialogShown = true;
        const CollectionStartModel model(doc);
        const std::optional<CollectionStartModel::Result> r = showStartDialog(model);
        if (!r) {
            outcome.cancelled = true;
            return outcome;
        }
        const int liveMonth = doc.calendar.liveReportMonth;
        const int liveYear = doc.calendar.liveReportYear;
        changeReportMonth(doc, r->month, r->year);
        if (r->initialize) {
            const InitializationResult init = initializeMonth(doc, r->month, r->year % 2, today);
            if (!init.done) {
                changeReportMonth(doc, liveMonth, liveYear);
                prompts.showMessage(init.refusal);
                outcome.refused = true;
                return outcome;
            }
            outcome.initialized = true;
        } else {
            storeStates(doc, *r);
        }
        if (r->early) storeEarlyChoice(doc, *r, prompts);
    }
    outcome.statusText = workingMonthText(doc);
    outcome.listOpens = doc.header().collectionState(doc.calendar.reportMonth) != 0;
    return outcome;
}

}  // namespace zelvo::reporting
