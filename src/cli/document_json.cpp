#include "cli/document_json.h"

#include "cli/json_writer.h"
#include "store/cp1253.h"
#include "store/publisher_status.h"
#include "store/zelvo_doc.h"

namespace zelvo::cli {

namespace {

std::string utf8(const std::string& text) {
    return cp1253::toUtf8(text);
}

void writeCalendar(JsonWriter& j, const CZelvoDoc& doc) {
    const CalendarState& c = doc.calendar;
    j.key("calendar").beginObject();
    j.field("calYear", c.calYear).field("calMonth", c.calMonth).field("calDay", c.calDay);
    j.field("yearCode", int{c.yearCode}).field("reportMonth", int{c.reportMonth});
    j.field("reportYear", int{c.reportYear}).field("reportAbsMonth", int{c.reportAbsMonth});
    j.field("newReportForm", int{c.newReportForm}).field("earlyYear", c.earlyYear);
    j.field("earlyMonth", c.earlyMonth).field("viewingPrevious", int{c.viewingPrevious});
    j.endObject();
}

void writeHeader(JsonWriter& j, const CZelvoDoc& doc) {
    const PublisherRecord& h = doc.header();
    j.key("header").beginObject();
    j.field("password", utf8(h.password()));
    j.field("lastEnteredId", int{doc.lastEnteredId}).field("headerMonth", int{h.headerMonth()});
    j.key("collectionState").beginArray();
    for (int m = 0; m < 12; ++m) j.value(int{h.collectionState(m)});
    j.endArray();
    j.key("collectionYears").beginArray();
    for (int m = 0; m < 12; ++m) {
        j.beginArray();
        for (int s = 0; s < 3; ++s) j.value(int{h.collectionYear(m, s)});
        j.endArray();
    }
    j.endArray();
    j.endObject();
}

void writeMonth(JsonWriter& j, const CZelvoDoc& doc, const PublisherRecord& r, int m, int s) {
    j.beginObject();
    j.field("month", m).field("slot", s);
    j.field("placements", int{r.monthWord(MonthWord::Placements, m, s)});
    j.field("videos", int{r.monthWord(MonthWord::Videos, m, s)});
    j.field("hours", int{r.hours(m, s)}).field("quarters", r.quarters(m, s));
    j.field("returnVisits", int{r.monthWord(MonthWord::ReturnVisits, m, s)});
    j.field("bibleStudies", r.bibleStudies(m, s)).field("bit11", r.tookPart(m, s) ? 1 : 0);
    j.field("pioneerKind", r.pioneerKind(m, s));
    j.field("creditHours", int{r.monthWord(MonthWord::CreditHours, m, s)});
    const int remark = r.monthWord(MonthWord::RemarkIndex, m, s);
    j.field("remarkIndex", remark);
    j.field("remark", remark >= 1 && remark < doc.remarkCount()
                          ? utf8(doc.remarks[static_cast<std::size_t>(remark)].remarkText())
                          : std::string());
    j.field("slotYear", int{r.monthByte(MonthByte::SlotYear, m, s)});
    j.field("countedInMonth", int{r.monthByte(MonthByte::CountedInMonth, m, s)});
    j.endObject();
}

void writeRow(JsonWriter& j, const CZelvoDoc& doc, int row) {
    const PublisherRecord& r = doc.publishers[static_cast<std::size_t>(row)];
    j.beginObject();
    j.field("row", row).field("id", int{r.id()}).field("kind", int{r.kind()});
    j.field("firstName", utf8(r.firstName())).field("lastName", utf8(r.lastName()));
    j.field("address", utf8(r.address())).field("phoneHome", utf8(r.phoneHome()));
    j.field("phoneMobile", utf8(r.phoneMobile())).field("phoneWork", utf8(r.phoneWork()));
    j.field("baptismDate", utf8(r.baptismDate())).field("birthDate", utf8(r.birthDate()));
    j.field("consentDate", utf8(r.consentDate())).field("consentGiven", int{r.consentGiven()});
    j.field("hope",
            r.hope() == 0 ? std::string() : utf8(std::string(1, static_cast<char>(r.hope()))));
    j.field("groupNumber", int{r.groupNumber()}).field("extraIndex", int{r.extraIndex()});
    j.field("emergencyKey", int{r.emergencyKey()}).field("householdKey", int{r.householdKey()});
    j.field("specialNeedsKey", int{r.specialNeedsKey()}).field("statusSince", int{r.statusSince()});
    j.field("appointmentBits", int{r.appointmentBits()}).field("monthMarks", int{r.monthMarks()});
    j.field("statusFlags", int{r.statusFlags()}).field("statusFlags2", int{r.statusFlags2()});
    j.field("privileges", int{r.privileges()});
    if (r.kind() == kNonPublisher) j.field("conductor", utf8(r.conductor()));
    j.key("months").beginArray();
    for (int m = 0; m < 12; ++m)
        for (int s = 0; s < 2; ++s) writeMonth(j, doc, r, m, s);
    j.endArray();
    j.endObject();
}

void writeLists(JsonWriter& j, const CZelvoDoc& doc) {
    static constexpr const char* kNames[] = {"active", "inactive", "nonPublishers", "moved",
                                             "deleted"};
    j.key("lists").beginObject();
    for (std::size_t k = 0; k < 5; ++k) {
        j.key(kNames[k]).beginArray();
        for (const IndexEntry& e : doc.kindLists[k]) j.value(int{e.recordIndex});
        j.endArray();
    }
    j.endObject();
}

void writeTotals(JsonWriter& j, const CZelvoDoc& doc) {
    j.key("monthTotals").beginArray();
    for (int m = 0; m < 12; ++m) {
        j.beginArray();
        for (int c = 0; c < 4; ++c) {
            j.beginArray();
            for (int v = 0; v < 9; ++v) {
                j.beginArray();
                for (int s = 0; s < 2; ++s) j.value(int{doc.monthTotals.value(m, c, v, s)});
                j.endArray();
            }
            j.endArray();
        }
        j.endArray();
    }
    j.endArray();
    j.key("reportTotals").beginArray();
    for (const auto& row : doc.reportTotals) {
        j.beginArray();
        for (const auto v : row) j.value(static_cast<long long>(v));
        j.endArray();
    }
    j.endArray();
}

void writeMeetings(JsonWriter& j, const CZelvoDoc& doc) {
    static constexpr const char* kArrays[] = {"week1", "week2", "week3", "week4",
                                              "week5", "held",  "total", "average"};
    j.key("meetings").beginArray();
    for (const MeetingAttendance& meeting : doc.meetings) {
        j.beginObject();
        j.field("title", utf8(meeting.text(MeetingAttendance::kTitle)));
        for (std::size_t a = 0; a < MeetingAttendance::kArrays; ++a) {
            j.key(kArrays[a]).beginArray();
            for (int m = 0; m < 12; ++m) {
                j.beginArray();
                for (int s = 0; s < 3; ++s)
                    j.value(int{meeting.value(static_cast<MeetingAttendance::Array>(a), m, s)});
                j.endArray();
            }
            j.endArray();
        }
        j.endObject();
    }
    j.endArray();
}

void writeGroups(JsonWriter& j, const CZelvoDoc& doc) {
    const ServiceGroupTable& g = doc.groups;
    j.key("groups").beginObject();
    j.field("groupCount", int{g.groupCount()});
    j.key("groups").beginArray();
    for (int n = 1; n <= ServiceGroupTable::kMaxGroups; ++n) {
        j.beginObject();
        j.field("number", n);
        j.field("overseer", utf8(g.text(ServiceGroupTable::overseerField(n))));
        j.field("assistant", utf8(g.text(ServiceGroupTable::assistantField(n))));
        j.field("place", utf8(g.text(ServiceGroupTable::placeField(n))));
        j.field("labelName", utf8(g.text(ServiceGroupTable::labelNameField(n))));
        j.field("time", utf8(g.text(ServiceGroupTable::timeField(n))));
        j.field("meetingDay", int{g.meetingDay(n)}).field("useLabel", int{g.useLabel(n)});
        j.field("sendToAssistant", g.sendToAssistant(n) ? 1 : 0);
        j.endObject();
    }
    j.endArray();
    j.endObject();
}

void writeSideRecords(JsonWriter& j, const CZelvoDoc& doc) {
    j.key("contactExtras").beginArray();
    for (std::size_t i = 1; i < doc.contactExtras.size(); ++i) {
        ContactExtra e = doc.contactExtras[i];
        e.fromFile();
        j.beginObject();
        j.field("record", static_cast<int>(i)).field("publisherId", int{e.publisherId()});
        j.field("fullName", utf8(e.fullName())).field("email", utf8(e.email()));
        j.field("otherContact", utf8(e.otherContact())).field("presence", int{e.presence()});
        j.endObject();
    }
    j.endArray();
    j.key("emergency").beginArray();
    for (const KeySlot& k : doc.emergencyKeys) {
        if (k.slot >= doc.emergencyRecords.size()) continue;
        const EmergencyContact& e = doc.emergencyRecords[k.slot];
        j.beginObject();
        j.field("position", int{k.slot}).field("key", int{k.key});
        j.field("name", utf8(e.text(EmergencyContact::kName)))
            .field("info", utf8(e.text(EmergencyContact::kInfo)));
        j.field("phoneHome", utf8(e.text(EmergencyContact::kPhoneHome)));
        j.field("phoneMobile", utf8(e.text(EmergencyContact::kPhoneMobile)));
        j.field("phoneWork", utf8(e.text(EmergencyContact::kPhoneWork)));
        j.field("witness", int{e.bytes[EmergencyContact::kWitness]});
        j.endObject();
    }
    j.endArray();
    j.key("specialNeeds").beginArray();
    for (const KeySlot& k : doc.specialNeedsKeys) {
        if (k.slot >= doc.specialNeedRecords.size()) continue;
        j.beginObject();
        j.field("position", int{k.slot}).field("key", int{k.key});
        j.field("text", utf8(doc.specialNeedRecords[k.slot].needText()));
        j.endObject();
    }
    j.endArray();
    j.key("appointments").beginArray();
    for (const AppointmentRecord& a : doc.appointments) {
        j.beginObject();
        j.field("publisherId", int{a.publisherId()})
            .field("appointmentKind", int{a.appointmentKind()});
        j.field("text", utf8(a.appointmentText()));
        j.endObject();
    }
    j.endArray();
}

void writeSettings(JsonWriter& j, const CZelvoDoc& doc) {
    const Settings& s = doc.settings;
    j.key("settings").beginObject();
    j.field("labelBirthDate", s.labelBirthDate).field("labelAlternative", s.labelAlternative);
    j.field("labelLeftMargin", s.labelLeftMargin).field("reportGridLines", s.reportGridLines);
    j.field("reportNoSlipFields", s.reportNoSlipFields).field("emergJw", s.emergJw);
    j.field("reportTopMargin", s.reportTopMargin).field("reportDate", s.reportDate);
    j.field("congregationName", utf8(s.congregationName)).field("autoCapitalize", s.autoCapitalize);
    j.field("noticeOff", s.noticeOff).field("languageOption", s.languageOption);
    j.field("printGroups", s.printGroups).field("hideAverages", s.hideAverages);
    j.field("onePerPage", s.onePerPage).field("hideBirthDates", s.hideBirthDates);
    j.field("customCategoryEnabled", s.customCategoryEnabled);
    j.field("customCategoryName", utf8(s.customCategoryName))
        .field("senderEmail", utf8(s.senderEmail));
    j.field("earlyYear", s.earlyYear).field("earlyMonth", s.earlyMonth);
    j.endObject();
}

}  // namespace

std::string documentJson(const CZelvoDoc& doc) {
    JsonWriter j;
    j.beginObject();
    writeCalendar(j, doc);
    j.field("modified", doc.isModified() ? 1 : 0).field("recordCount", int{doc.recordCount()});
    writeHeader(j, doc);
    j.key("rows").beginArray();
    for (int row = 1; row < doc.recordCount(); ++row) writeRow(j, doc, row);
    j.endArray();
    j.field("circuitOverseerRow", int{doc.circuitOverseerRow});
    writeLists(j, doc);
    j.key("remarks").beginArray();
    for (std::size_t i = 1; i < doc.remarks.size(); ++i) {
        const RemarkRecord& r = doc.remarks[i];
        j.beginObject();
        j.field("index", static_cast<int>(i)).field("text", utf8(r.remarkText()));
        j.field("month", int{r.month()})
            .field("slot", int{r.slot()})
            .field("publisherId", int{r.publisherId()});
        j.endObject();
    }
    j.endArray();
    j.key("lateReports").beginArray();
    for (const LateReportEntry& e : doc.lateReports) {
        j.beginObject();
        j.field("publisherId", int{e.publisherId})
            .field("month", int{e.month})
            .field("countedIn", int{e.countedIn});
        j.endObject();
    }
    j.endArray();
    writeTotals(j, doc);
    writeMeetings(j, doc);
    writeGroups(j, doc);
    writeSideRecords(j, doc);
    j.key("displayConfig").beginArray();
    for (const Byte b : doc.displayConfig.bytes) j.value(int{b});
    j.endArray();
    writeSettings(j, doc);
    j.field("previousMask", doc.previousMask);
    j.endObject();
    return j.text();
}

std::string statusJson(const CZelvoDoc& doc) {
    JsonWriter j;
    j.beginArray();
    for (const IndexEntry& e : doc.kindLists[kPublisher]) {
        const int row = e.recordIndex;
        j.beginObject();
        j.field("row", row).field("id", int{e.id}).field("name", utf8(doc.displayName(row)));
        j.field("inactiveCandidate", isInactiveCandidate(doc, row));
        j.field("window5", statusWindow(doc, row, 5)).field("window7", statusWindow(doc, row, 7));
        j.field("missed6", missedMonths(doc, row, 6))
            .field("irregularMask", irregularMask(doc, row));
        for (const auto& [prefix, bits] : {std::pair{"new", 1}, std::pair{"react", 2}}) {
            const std::string p(prefix);
            j.field(p + "Recent", markMonthRecent(doc, row, bits));
            j.field(p + "ThisYear", markMonthThisYear(doc, row, bits));
            j.field(p + "Month", markMonth(doc, row, bits));
            j.field(p + "WithSince", markMonthWithSince(doc, row, bits));
        }
        j.endObject();
    }
    j.endArray();
    return j.text();
}

}  // namespace zelvo::cli
