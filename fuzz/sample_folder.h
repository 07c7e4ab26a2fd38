// Small, valid data folders made in code: one of today's format written through the core's own
// writers, and one of the previous generation laid out byte by byte. They are the starting
// points of the data-folder fuzzing and of the garbage-file tests.
#pragma once

#include <fstream>
#include <map>
#include <string>
#include <system_error>

#include "store/calendar.h"
#include "store/cp1253.h"
#include "store/data_files.h"
#include "store/file_io.h"
#include "store/legacy_conversion.h"
#include "store/text_form.h"
#include "store/user_prompts.h"
#include "store/zelvo_doc.h"

namespace zelvo::sample {

// Every file below a folder by its '/'-separated relative name.
using FolderBytes = std::map<std::string, Bytes>;

inline FolderBytes readFolder(const fs::path& folder) {
    FolderBytes out;
    std::error_code ec;
    for (fs::recursive_directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        if (!it->is_regular_file(ec)) continue;
        const auto data = readFileBytes(it->path(), std::size_t{1} << 26);
        out[fs::relative(it->path(), folder, ec).generic_string()] = data ? *data : Bytes{};
    }
    return out;
}

// Plain writes: these folders are scratch copies, not worth a flush to disk per file.
inline void writeFolder(const fs::path& folder, const FolderBytes& files) {
    for (const auto& [name, bytes] : files) {
        const fs::path path = folder / name;
        std::error_code ec;
        fs::create_directories(path.parent_path(), ec);
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
    }
}

// The date every sample is made for: its report month is December 2024.
inline constexpr Date kSampleDate{2025, 1, 3};

inline std::string greek(std::string_view utf8) {
    return cp1253::fromUtf8(utf8);
}

// Today's format, written by CZelvoDoc::saveAll and the record-level writers: people of every
// kind with two years of reports, remarks, a late report, an under-one-hour mark, groups,
// meetings, appointments, emergency contacts, special needs, a contact extra and settings.
// False when the folder could not be loaded or saved.
inline bool writeSampleFolder(const fs::path& folder, const Date& today = kSampleDate) {
    fs::create_directories(folder);
    ScriptedPrompts prompts;
    CZelvoDoc doc;
    doc.startUp(folder.string(), today, LoadMode::Live);
    if (!doc.load(prompts, LoadMode::Live).ok) return false;
    const CalendarState& cal = doc.calendar;

    struct Person {
        const char* first;
        const char* last;
        std::uint16_t id;
        std::uint8_t kind;
        std::uint8_t privileges;
    };
    const Person people[] = {
        {"Γιώργος", "Παπαδόπουλος", 101, kPublisher, 0x22},
        {"Μαρία", "Νικολάου", 102, kPublisher, 0x40},
        {"Κώστας", "Ιωάννου", 103, kInactive, 0x20},
        {"Ελένη", "Δημητρίου", 104, kNonPublisher, 0x40},
        {"Νίκος", "Αλεξίου", 105, kMoved, 0x20},
        {"Άννα", "Σταύρου", 106, kDeleted, 0x40},
        {"Παύλος", "Επισκόπου", 107, kCircuitOverseer, 0x22},
    };
    for (const Person& p : people) {
        PublisherRecord r;
        r.setText(PublisherRecord::kFirstName, greek(p.first));
        r.setText(PublisherRecord::kLastName, greek(p.last));
        r.setText(PublisherRecord::kAddress, greek("Οδός Ερμού 12, Αθήνα"));
        r.setText(PublisherRecord::kPhoneHome, "2101234567");
        r.setText(PublisherRecord::kPhoneMobile, "6971234567");
        r.setText(PublisherRecord::kBaptismDate, "12/05/98");
        r.setText(PublisherRecord::kBirthDate, "03/02/75");
        r.setId(p.id);
        r.setKind(p.kind);
        r.setByte(PublisherRecord::kPrivileges, p.privileges);
        r.setByte(PublisherRecord::kGroupNumber, static_cast<std::uint8_t>(1 + p.id % 2));
        r.setByte(PublisherRecord::kHope, 'O');
        if (p.kind == kNonPublisher) {
            r.setText(PublisherRecord::kConductor, greek("Γιώργος Παπαδόπουλος"));
        } else {
            MonthWalk walk = cal.walkFromReportMonth();
            for (int i = 0; i < 24; ++i, walk.back()) {
                const auto [m, s] = walk.current();
                if (i == 18) continue;  // a month without a report
                const auto v = static_cast<std::uint16_t>(3 + (i * 7 + p.id) % 40);
                r.setMonthWord(MonthWord::Hours, m, s, v);
                r.setMonthWord(MonthWord::Placements, m, s, static_cast<std::uint16_t>(v / 2));
                r.setMonthWord(MonthWord::ReturnVisits, m, s, static_cast<std::uint16_t>(v / 3));
                r.setMonthWord(MonthWord::StudiesAndFlags, m, s,
                               static_cast<std::uint16_t>((i % 3) | ((i % 4) << kQuarterShift)));
                if (p.id == 102) {
                    r.setMonthByte(MonthByte::PioneerKind, m, s, 2);
                    r.setMonthWord(MonthWord::CreditHours, m, s, 5);
                }
            }
        }
        doc.publishers.push_back(r);
    }
    PublisherRecord& maria = doc.publishers[2];
    maria.setWord(PublisherRecord::kHouseholdKey, 101);
    // An under-one-hour mark of an old-form month (June 2023), kept apart in zlt15.dat.
    maria.setMonthWord(MonthWord::Hours, 5, 1, 0);
    maria.setMonthWord(MonthWord::StudiesAndFlags, 5, 1, kTookPart);
    // November's report, handed in late and counted in December.
    const int late = cal.reportMonth == 0 ? 11 : cal.reportMonth - 1;
    doc.lateReports.push_back(
        {102, static_cast<std::uint8_t>(late), static_cast<std::uint8_t>(cal.reportMonth + 1)});
    doc.header().setCollectionState(cal.reportMonth, 1);
    doc.countAllKinds();
    doc.buildIndexes();

    RemarkRecord remark;
    remark.set(greek("Άρρωστος όλο τον μήνα"), static_cast<std::uint8_t>(cal.reportMonth + 1),
               static_cast<std::uint8_t>(cal.reportSlot()), 101);
    doc.remarks.push_back(remark);
    remark.set(greek("Ταξίδι"), static_cast<std::uint8_t>(late + 1),
               static_cast<std::uint8_t>(cal.slotOfMonth(late)), 102);
    doc.remarks.push_back(remark);

    AppointmentRecord appointment;
    appointment.setWord(0, 101);
    appointment.setWord(2, 3);
    appointment.setText(AppointmentRecord::kText, greek("Πρεσβύτερος από 2019"));
    doc.appointments.push_back(appointment);
    appointment.setWord(2, 20);
    appointment.setText(AppointmentRecord::kText, "x");
    doc.appointments.push_back(appointment);

    doc.groups.setGroupCount(2);
    for (int g = 1; g <= 2; ++g) {
        doc.groups.setText(ServiceGroupTable::overseerField(g), greek(people[g - 1].last));
        doc.groups.setText(ServiceGroupTable::placeField(g), greek("Αίθουσα Βασιλείας"));
        doc.groups.setText(ServiceGroupTable::timeField(g), "18:30");
        doc.groups.setMeetingDay(g, static_cast<std::uint8_t>(g + 2));
    }
    MonthWalk walk = cal.walkFromReportMonth();
    for (int i = 0; i < 12; ++i, walk.back()) {
        const auto [m, s] = walk.current();
        for (int k = 0; k < 2; ++k) {
            const auto base = static_cast<std::uint16_t>(40 + 10 * k + i);
            doc.meetings[static_cast<std::size_t>(k)].setValue(MeetingAttendance::Week1, m, s,
                                                               base);
            doc.meetings[static_cast<std::size_t>(k)].setValue(MeetingAttendance::Held, m, s, 4);
            doc.meetings[static_cast<std::size_t>(k)].setValue(
                MeetingAttendance::Total, m, s, static_cast<std::uint16_t>(4 * base));
        }
        doc.monthTotals.setValue(m, 0, 2, s, static_cast<std::uint16_t>(100 + i));
    }

    EmergencyContact emergency;
    emergency.setText(EmergencyContact::kName, greek("Ελένη Παπαδοπούλου"));
    emergency.setText(EmergencyContact::kPhoneMobile, "6987654321");
    if (const auto key = doc.addEmergency(emergency))
        doc.publishers[1].setWord(PublisherRecord::kEmergencyKey, static_cast<std::uint16_t>(*key));
    SpecialNeed need;
    need.setText(SpecialNeed::kText, greek("Χρειάζεται μεταφορά"));
    if (const auto key = doc.addSpecialNeed(need))
        doc.publishers[2].setWord(PublisherRecord::kSpecialNeedsKey,
                                  static_cast<std::uint16_t>(*key));
    ContactExtra contact;
    contact.setPublisherId(101);
    contact.setText(ContactExtra::kFullName, greek("Γεώργιος Παπαδόπουλος"));
    contact.setText(ContactExtra::kEmail, "gpap@example.gr");
    if (const auto n = doc.writeContactExtra(contact))
        doc.publishers[1].setWord(PublisherRecord::kExtraIndex, static_cast<std::uint16_t>(*n));

    doc.displayConfig.bytes = {1, 0, 0, 0, 0, 1, 0};
    doc.settings.congregationName = greek("Αθήνα-Κέντρο");
    doc.settings.customCategoryEnabled = 1;
    doc.settings.customCategoryName = greek("Βοηθοί");
    const bool saved = doc.saveAll(prompts).ok;
    doc.closeDocument();
    return saved;
}

// An old row: texts in their shifted file form at the old offsets.
inline Bytes oldRow(std::string_view first, std::string_view last, std::uint16_t id,
                    std::uint8_t kind) {
    Bytes row(legacy::kOldRowSize, 0);
    const struct {
        std::size_t offset, width;
        ShiftForm form;
        std::string text;
    } texts[] = {{2, 21, kNameShift, std::string(first)},
                 {23, 21, kNameShift, std::string(last)},
                 {44, 61, kAddressShift, greek("Πλατεία Συντάγματος 1")},
                 {105, 15, kPlainShift, "2310123456"},
                 {150, 9, kPlainShift, "01/09/90"}};
    for (const auto& t : texts) {
        writeText(row.data() + t.offset, t.width, t.text);
        shiftToFile(row.data() + t.offset, t.width, t.form);
    }
    writeU16(row.data() + 182, id);
    row[200] = kind;
    row[215] = 0x20;
    for (std::size_t m = 0; m < 12; ++m) {
        row[216 + m] = static_cast<Byte>(m + 1);   // placements
        row[240 + m] = static_cast<Byte>(10 + m);  // hours
        row[252 + m] = static_cast<Byte>(m);       // return visits
        row[264 + m] = 2;                          // studies
        row[300 + m] = static_cast<Byte>(m % 4);   // quarter hours
    }
    return row;
}

// The previous generation: zdat7.bin with its companions, as a folder converted at load.
inline FolderBytes oldSampleFiles() {
    FolderBytes out;
    // The header row: no password, the scramble marker, and the year of each month's data
    // (this January, the other months last year).
    Bytes header = oldRow(" ", "A", 0, 0);
    for (std::size_t m = 0; m < 12; ++m) header[202 + m] = m == 0 ? 25 : 24;
    Bytes table = header;
    const Bytes rows[] = {oldRow(greek("Γιάννης"), greek("Βασιλείου"), 201, 0),
                          oldRow(greek("Σοφία"), greek("Αθανασίου"), 202, 0),
                          oldRow("Peter", "Smith", 203, 0)};
    for (const Bytes& r : rows) table.insert(table.end(), r.begin(), r.end());
    out[std::string(files::kOldPublishers)] = table;
    out[std::string(files::kOldInactive)] = oldRow(greek("Λάμπρος"), greek("Κυριακού"), 204, 1);
    out[std::string(files::kOldMoved)] = oldRow(greek("Χρήστος"), greek("Μιχαήλ"), 205, 3);
    out[std::string(files::kOldNonPublishers)] = oldRow(greek("Ιωάννα"), greek("Πέτρου"), 206, 2);
    out[std::string(files::kOldDeleted)] = oldRow(greek("Ηλίας"), greek("Γεωργίου"), 207, 4);

    auto remarks = [](std::uint16_t id) {
        Bytes file;
        for (std::uint8_t m = 1; m <= 12; m += 5) {
            Bytes r(legacy::kOldRemarkSize, 0);
            writeText(r.data(), 36, greek("Παλιά παρατήρηση"));
            r[36] = m;
            writeU16(r.data() + 38, id);
            file.insert(file.end(), r.begin(), r.end());
        }
        return file;
    };
    out[std::string(files::kOldRemarks)] = remarks(201);
    out[std::string(files::kOldPreviousYearRemarks)] = remarks(202);
    Bytes totals(legacy::kOldTotalsSize, 0);
    for (std::size_t i = 0; i < totals.size(); i += 2)
        writeU16(totals.data() + i, static_cast<std::uint16_t>(i));
    out[std::string(files::kOldTotals)] = totals;
    out[std::string(files::kOldPreviousYearTotals)] = totals;
    out[std::string(files::kOldLateReports)] = {201 & 0xFF, 0, 10, 12, 202 & 0xFF, 0, 9, 12};

    Bytes meetings(2 * legacy::kOldMeetingSize, 0);
    for (std::size_t k = 0; k < 2; ++k) {
        Byte* rec = meetings.data() + k * legacy::kOldMeetingSize;
        writeText(rec, 32, k == 0 ? "Midweek" : "Weekend");
        for (std::size_t a = 0; a < 8; ++a)
            for (std::size_t m = 0; m < 12; ++m)
                writeU16(rec + 32 + a * 24 + m * 2, static_cast<std::uint16_t>(30 + a + m));
    }
    out[std::string(files::kOldMeetings)] = meetings;

    OldServiceGroupTable groups;
    groups.bytes[0] = 2;
    for (std::size_t g = 0; g < 2; ++g) {
        writeText(groups.bytes.data() + OldServiceGroupTable::kOverseer + g * 24, 24,
                  greek("Βασιλείου"));
        writeText(groups.bytes.data() + OldServiceGroupTable::kPlace + g * 24, 24, greek("Σπίτι"));
        writeText(groups.bytes.data() + OldServiceGroupTable::kTime + g * 9, 9, "10:00");
        groups.bytes[OldServiceGroupTable::kMeetingDay + g] = 6;
    }
    groups.unscramble();  // the XOR is its own inverse
    out[std::string(files::kGroups)] = Bytes(groups.bytes.begin(), groups.bytes.end());
    return out;
}

}  // namespace zelvo::sample
