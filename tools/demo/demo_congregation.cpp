#include "demo/demo_congregation.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <set>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#include "demo/demo_random.h"
#include "demo/greek_names.h"
#include "store/branch_totals.h"
#include "store/cp1253.h"
#include "store/data_files.h"
#include "store/file_io.h"
#include "store/text_form.h"
#include "store/user_prompts.h"
#include "store/zelvo_doc.h"

namespace zelvo::demo {

namespace {

constexpr int kMonthsKept = 24;
constexpr int kMaxPeople = static_cast<int>(CZelvoDoc::kMaxRows) - 1;
constexpr int kKindCapacity = static_cast<int>(CZelvoDoc::kKindListCapacity);
constexpr int kNotInWindow = 1000;  // a "months back" beyond the 24 months a record keeps

template <typename T>
std::uint16_t u16(T v) {
    return static_cast<std::uint16_t>(v);
}
template <typename T>
std::uint8_t u8(T v) {
    return static_cast<std::uint8_t>(v);
}
std::string greek(std::string_view utf8) {
    return cp1253::fromUtf8(utf8);
}

// "MMDDYYYY", the stored form of every date.
std::string dateText(int year, int month, int day) {
    char buf[40];
    std::snprintf(buf, sizeof buf, "%02d%02d%04d", month, day, year);
    return buf;
}
const std::string kNoDate(8, ' ');

// Upper case without accents, the way names are often typed in capitals.
std::string allCaps(std::string_view text) {
    std::string out(text);
    for (char& ch : out) {
        auto c = cp1253::toUpper(static_cast<unsigned char>(ch));
        switch (c) {
            case 0xA2:
                c = 0xC1;
                break;  // Ά Α
            case 0xB8:
                c = 0xC5;
                break;  // Έ Ε
            case 0xB9:
                c = 0xC7;
                break;  // Ή Η
            case 0xBA:
                c = 0xC9;
                break;  // Ί Ι
            case 0xBC:
                c = 0xCF;
                break;  // Ό Ο
            case 0xBE:
                c = 0xD5;
                break;  // Ύ Υ
            case 0xBF:
                c = 0xD9;
                break;  // Ώ Ω
            default:
                break;
        }
        ch = static_cast<char>(c);
    }
    return out;
}

// Four-digit year and month 1-12 of an absolute month; those before 2000 are negative.
std::pair<int, int> yearAndMonth(int absoluteMonth) {
    const int month = (absoluteMonth % 12 + 12) % 12;
    return {2000 + (absoluteMonth - month) / 12, month + 1};
}

int daysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}

// 0 = Sunday .. 6 = Saturday.
int weekday(int year, int month, int day) {
    static constexpr int kOffsets[] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    if (month < 3) year -= 1;
    return (year + year / 4 - year / 100 + year / 400 + kOffsets[month - 1] + day) % 7;
}

int countWeekdays(int year, int month, int wday) {
    int n = 0;
    for (int d = 1; d <= daysInMonth(year, month); ++d)
        if (weekday(year, month, d) == wday) ++n;
    return n;
}

struct KindPlan {
    std::array<int, 5> counts{};  // kinds 0-4
    int overseers = 0;            // kind 5
};

// About three quarters active; the rest spread over the other lists, each within its capacity.
KindPlan planKinds(int people) {
    KindPlan k;
    if (people <= 0) return k;
    k.overseers = people >= 10 ? 1 : 0;
    const int rest = people - k.overseers;
    const int others = rest * 27 / 100;
    k.counts[kNonPublisher] = others * 28 / 100;
    k.counts[kMoved] = others * 22 / 100;
    k.counts[kDeleted] = others * 20 / 100;
    k.counts[kInactive] = std::min(
        others - k.counts[kNonPublisher] - k.counts[kMoved] - k.counts[kDeleted], kKindCapacity);
    k.counts[kPublisher] = rest - k.counts[kInactive] - k.counts[kNonPublisher] - k.counts[kMoved] -
                           k.counts[kDeleted];
    return k;
}

struct Family {
    const FamilyName* name = nullptr;
    bool capitals = false;
    std::string address;
    std::string phone;  // landline, empty when none
    int group = 0;
    std::vector<int> members;  // person indexes; the first is the intended head
};

struct Person {
    int family = -1;
    const FirstName* first = nullptr;
    bool male = false;
    int birthYear = 1980;
    bool baptized = false;
    int kind = kPublisher;
    int headOf = -1;  // the person whose household this one belongs to
    bool head = false;
    int privilege = 0;  // bits 0-1 of privileges
    // Reports, in months back from the report month (0 = the report month).
    int pioneer = 0;                  // 0 none, 1 continuing auxiliary, 2 regular, 3 special
    int pioneerSince = kNotInWindow;  // a regular pioneer from this month on
    int newest = 0;  // newest month with reports (inactive, moved, deleted: before they left)
    int oldest = kMonthsKept - 1;  // oldest month with reports (a new publisher's first report)
    int gapNewest = kNotInWindow;  // a gap of inactivity before reactivation
    int gapOldest = kNotInWindow;
    int missPercent = 2;
    bool reportMonthMissing = false;
};

class Builder {
public:
    Builder(CZelvoDoc& doc, const DemoOptions& options)
        : doc_(doc),
          cal_(doc.calendar),
          full_(options.fullSideTables),
          today_(options.today),
          rnd_(options.seed),
          people_(std::clamp(options.people, 0, kMaxPeople)) {}

    bool run();

private:
    CZelvoDoc& doc_;
    const CalendarState& cal_;
    bool full_;
    Date today_;
    DemoRandom rnd_;
    int people_;
    KindPlan plan_;
    int groupCount_ = 0;
    std::vector<Family> families_;
    std::vector<Person> persons_;  // person i is row i + 1 until the rows are sorted
    bool ok_ = true;

    PublisherRecord& row(int person) {
        return doc_.publishers[static_cast<std::size_t>(person + 1)];
    }
    // The month `back` months before the report month.
    int absMonth(int back) const { return cal_.reportAbsMonth - back; }
    MonthSlot monthSlot(int back) const {
        MonthWalk walk = cal_.walkFromReportMonth();
        for (int i = 0; i < back; ++i) walk.back();
        return walk.current();
    }
    std::string dateIn(int absoluteMonth) {
        const auto [year, month] = yearAndMonth(absoluteMonth);
        return dateText(year, month, rnd_.between(1, daysInMonth(year, month)));
    }
    std::string phone(std::string_view prefix, int digits) {
        std::string out(prefix);
        for (int i = 0; i < digits; ++i) out += static_cast<char>('0' + rnd_.below(10));
        return out;
    }
    int age(const Person& p) const { return today_.year - p.birthYear; }
    std::string personName(int person) {
        const PublisherRecord& r = row(person);
        return r.firstName() + " " + r.lastName();
    }
    bool isElder(const Person& p) const { return p.privilege == 2; }

    void makeFamilies();
    void assignKinds();
    void makeRows();
    void assignPrivileges();
    void planReports();
    void writeReports();
    void writeReportMonth(PublisherRecord& r, int back, int pioneerKind);
    void writeLeaverStatus(int person);
    void addCircuitOverseer();
    void makeGroups();
    void makeRemarks();
    void makeLateReports();
    void makeAppointments();
    void makeEmergencyContacts();
    void makeSpecialNeeds();
    void makeContactExtras();
    void makeMeetings();
    void makeHeader();
    void fillMonthTotalsHistory();

    template <typename Record>
    bool writeWholeFile(std::string_view name, const std::vector<Record>& records) {
        Bytes out;
        out.reserve(records.size() * Record::kSize);
        for (const Record& r : records) out.insert(out.end(), r.bytes.begin(), r.bytes.end());
        return writeFileAtomic(resolvePath(doc_.dataFolder, name), out);
    }
};

bool Builder::run() {
    plan_ = planKinds(people_);
    const int inFamilies = people_ - plan_.overseers;
    groupCount_ = std::clamp(people_ / 15, people_ > 0 ? 1 : 0, ServiceGroupTable::kMaxGroups);
    makeFamilies();
    persons_.resize(static_cast<std::size_t>(inFamilies));
    assignKinds();
    makeRows();
    assignPrivileges();
    planReports();
    writeReports();
    addCircuitOverseer();
    makeGroups();
    makeRemarks();
    makeLateReports();
    makeAppointments();
    makeEmergencyContacts();
    makeSpecialNeeds();
    makeContactExtras();
    makeMeetings();
    makeHeader();
    doc_.settings.congregationName = greek(rnd_.pick(congregationNames()));
    doc_.markModified();

    doc_.sortRows();
    doc_.countAllKinds();
    doc_.buildIndexes();
    fillMonthTotalsHistory();
    computeBranchTotals(doc_, false);
    return ok_;
}

void Builder::makeFamilies() {
    const int wanted = people_ - plan_.overseers;
    int placed = 0;
    while (placed < wanted) {
        const int roll = rnd_.below(100);
        int size = roll < 38 ? 1 : roll < 68 ? 2 : roll < 84 ? 3 : roll < 95 ? 4 : 5;
        size = std::min(size, wanted - placed);
        Family f;
        f.name = &rnd_.pick(familyNames());
        f.capitals = rnd_.percent(4);
        f.address = greek(rnd_.pick(streets())) + " " + std::to_string(rnd_.between(1, 180)) +
                    ", " + std::to_string(rnd_.between(11141, 11476)) + " " + greek("Αθήνα");
        if (rnd_.percent(75)) f.phone = phone("210", 7);
        f.group = groupCount_ > 0 ? 1 + static_cast<int>(families_.size()) % groupCount_ : 0;
        for (int i = 0; i < size; ++i) f.members.push_back(placed + i);
        placed += size;
        families_.push_back(std::move(f));
    }
    // At least one family typed in capitals whose name the file form cannot hold as typed, so
    // every demo shows the repair of the record setters.
    auto needsRepair = [](const Family& f) {
        return f.capitals && (!survivesShift(allCaps(greek(f.name->male)), kNameShift) ||
                              !survivesShift(allCaps(greek(f.name->female)), kNameShift));
    };
    if (families_.empty() || std::any_of(families_.begin(), families_.end(), needsRepair)) return;
    Family& f = families_.front();
    f.capitals = true;
    for (const FamilyName& name : familyNames()) {
        f.name = &name;
        if (needsRepair(f)) break;
    }
}

void Builder::assignKinds() {
    std::vector<int> kinds;
    for (int k = 0; k < 5; ++k)
        kinds.insert(kinds.end(), static_cast<std::size_t>(plan_.counts[k]), k);
    rnd_.shuffle(kinds);
    for (std::size_t i = 0; i < persons_.size(); ++i) persons_[i].kind = kinds[i];

    for (std::size_t fi = 0; fi < families_.size(); ++fi) {
        const Family& f = families_[fi];
        const bool couple = f.members.size() >= 2;
        const int headBirth = rnd_.between(1945, 1992);
        for (std::size_t m = 0; m < f.members.size(); ++m) {
            Person& p = persons_[static_cast<std::size_t>(f.members[m])];
            p.family = static_cast<int>(fi);
            if (m == 0) {
                p.male = couple ? rnd_.percent(85) : rnd_.percent(45);
                p.birthYear = couple ? headBirth : rnd_.between(1940, 2004);
            } else if (m == 1) {
                p.male = !persons_[static_cast<std::size_t>(f.members[0])].male;
                p.birthYear = std::min(headBirth + rnd_.between(-4, 6), today_.year - 18);
            } else {
                p.male = rnd_.percent(50);
                p.birthYear =
                    rnd_.between(std::min(headBirth + 20, 2012), std::min(headBirth + 40, 2016));
            }
            p.first = &rnd_.pick(p.male ? maleFirstNames() : femaleFirstNames());
            const bool adult = age(p) >= 14;
            if (p.kind == kNonPublisher)
                p.baptized = false;
            else if (p.kind == kPublisher)
                p.baptized = adult ? rnd_.percent(93) : rnd_.percent(25);
            else
                p.baptized = adult && rnd_.percent(90);
        }
        // A household: the first inactive or active member heads it; the moved and deleted
        // keep no household link.
        int head = -1;
        for (const int m : f.members) {
            const int kind = persons_[static_cast<std::size_t>(m)].kind;
            if (kind == kPublisher || kind == kInactive) {
                head = m;
                break;
            }
        }
        if (head < 0 || f.members.size() < 2) continue;
        for (const int m : f.members) {
            Person& p = persons_[static_cast<std::size_t>(m)];
            if (m == head || p.kind == kMoved || p.kind == kDeleted) continue;
            p.headOf = head;
            persons_[static_cast<std::size_t>(head)].head = true;
        }
    }
}

void Builder::makeRows() {
    int nextId = 100;
    for (std::size_t i = 0; i < persons_.size(); ++i) {
        Person& p = persons_[i];
        const Family& f = families_[static_cast<std::size_t>(p.family)];
        PublisherRecord r;
        std::string first = greek(p.first->greek);
        std::string last = greek(p.male ? f.name->male : f.name->female);
        if (f.capitals) last = allCaps(last);
        if (rnd_.percent(2)) first = allCaps(first);
        r.setText(PublisherRecord::kFirstName, first);
        r.setText(PublisherRecord::kLastName, last);
        r.setText(PublisherRecord::kAddress, f.address);
        r.setText(PublisherRecord::kPhoneHome, f.phone);
        if (age(p) >= 14 && rnd_.percent(85))
            r.setText(PublisherRecord::kPhoneMobile, phone("69", 8));
        if (age(p) >= 20 && rnd_.percent(15))
            r.setText(PublisherRecord::kPhoneWork, phone("210", 7));
        r.setText(PublisherRecord::kBirthDate,
                  rnd_.percent(95) ? dateText(p.birthYear, rnd_.between(1, 12), rnd_.between(1, 28))
                                   : kNoDate);
        if (p.baptized) {
            const int year = std::min(p.birthYear + rnd_.between(12, 30), today_.year - 1);
            r.setText(PublisherRecord::kBaptismDate,
                      dateText(year, rnd_.between(1, 12), rnd_.between(1, 28)));
        } else {
            r.setText(PublisherRecord::kBaptismDate, kNoDate);
        }
        if (p.kind != kDeleted && (full_ || rnd_.percent(85))) {
            r.setByte(PublisherRecord::kConsentGiven, 1);
            r.setText(PublisherRecord::kConsentDate,
                      dateText(rnd_.between(2018, today_.year), rnd_.between(1, 12),
                               rnd_.between(1, 28)));
        }
        r.setByte(PublisherRecord::kHope, u8(rnd_.below(300) == 0 ? 'A' : 'O'));
        r.setId(u16(nextId));
        nextId += 1 + (rnd_.percent(8) ? rnd_.between(1, 3) : 0);
        r.setKind(u8(p.kind));
        if (p.kind != kMoved && p.kind != kDeleted)
            r.setByte(PublisherRecord::kGroupNumber, u8(f.group));
        doc_.publishers.push_back(r);
    }
    for (std::size_t i = 0; i < persons_.size(); ++i) {
        const Person& p = persons_[i];
        if (p.headOf >= 0)
            row(static_cast<int>(i)).setWord(PublisherRecord::kHouseholdKey, row(p.headOf).id());
    }
}

void Builder::assignPrivileges() {
    for (Person& p : persons_) {
        if (!p.male || !p.baptized || (p.kind != kPublisher && p.kind != kMoved)) continue;
        const int roll = rnd_.below(100);
        if (age(p) >= 25 && roll < 14)
            p.privilege = 2;
        else if (age(p) >= 18 && roll < 30)
            p.privilege = 1;
        else
            p.privilege = 3;
    }
    // Each group's overseer is an elder of the group, where it has a brother to appoint.
    for (int n = 1; n <= groupCount_; ++n) {
        auto inGroup = [&](const Person& p) {
            return p.kind == kPublisher && families_[static_cast<std::size_t>(p.family)].group == n;
        };
        if (std::any_of(persons_.begin(), persons_.end(),
                        [&](const Person& p) { return inGroup(p) && isElder(p); }))
            continue;
        for (Person& p : persons_)
            if (inGroup(p) && p.male && p.baptized && age(p) >= 25) {
                p.privilege = 2;
                break;
            }
    }
    // A congregation has at least one elder.
    const bool anyElder = std::any_of(persons_.begin(), persons_.end(), [](const Person& p) {
        return p.kind == kPublisher && p.privilege == 2;
    });
    if (!anyElder) {
        for (Person& p : persons_)
            if (p.kind == kPublisher && p.male && age(p) >= 25) {
                p.baptized = true;
                p.privilege = 2;
                break;
            }
    }
    for (std::size_t i = 0; i < persons_.size(); ++i) {
        const Person& p = persons_[i];
        PublisherRecord& r = row(static_cast<int>(i));
        int bits = p.privilege | (p.male ? 0x20 : 0x40) | (p.head ? 0x04 : 0);
        if (p.kind == kPublisher && rnd_.percent(3)) bits |= 0x10;  // custom category
        if (p.kind == kInactive && rnd_.percent(50)) bits |= 0x80;  // left out of the group lists
        r.setByte(PublisherRecord::kPrivileges, u8(bits));
        if (p.baptized && r.baptismDate() == kNoDate)
            r.setText(PublisherRecord::kBaptismDate,
                      dateText(std::min(p.birthYear + 16, today_.year - 1), rnd_.between(1, 12),
                               rnd_.between(1, 28)));
    }
}

void Builder::planReports() {
    std::vector<int> active;
    for (std::size_t i = 0; i < persons_.size(); ++i)
        if (persons_[i].kind == kPublisher) active.push_back(static_cast<int>(i));
    rnd_.shuffle(active);
    bool special = active.size() < 15;  // only a larger congregation has a special pioneer
    bool newOne = active.size() < 10;
    for (const int i : active) {
        Person& p = persons_[static_cast<std::size_t>(i)];
        const bool canPioneer = p.baptized && age(p) >= 16;
        if (canPioneer && !special) {
            special = true;
            p.pioneer = 3;
            continue;
        }
        const int roll = rnd_.below(1000);
        if (canPioneer && roll < 90) {
            p.pioneer = 2;
            p.pioneerSince = rnd_.percent(30) ? rnd_.between(1, kMonthsKept - 1) : kNotInWindow;
        } else if (canPioneer && roll < 110) {
            p.pioneer = 1;
        } else if (!newOne || roll < 140) {
            newOne = true;
            p.oldest = rnd_.between(0, 5);  // a new publisher: the first report ever
            p.missPercent = 0;
            const MonthSlot ms = monthSlot(p.oldest);
            const int flags = 16 * (ms.month + 1) + 1;
            PublisherRecord& r = row(i);
            r.setByte(PublisherRecord::kStatusFlags, u8(flags));
            r.setByte(PublisherRecord::kStatusFlags2, u8(flags));
            r.setWord(PublisherRecord::kStatusSince, u16(absMonth(p.oldest)));
        } else if (roll < 155) {
            const int back = rnd_.between(0, 5);  // reactivated after half a year or more
            p.gapNewest = back + 1;
            p.gapOldest = back + rnd_.between(6, 12);
            const int flags = 16 * (monthSlot(back).month + 1) + 2;
            PublisherRecord& r = row(i);
            r.setByte(PublisherRecord::kStatusFlags, u8(flags));
            r.setByte(PublisherRecord::kStatusFlags2, u8(flags));
            r.setWord(PublisherRecord::kStatusSince, u16(absMonth(back)));
        } else if (roll < 170) {
            const int flags = 16 * (monthSlot(rnd_.between(0, 5)).month + 1) + 4;  // transferred in
            row(i).setByte(PublisherRecord::kStatusFlags, u8(flags));
            row(i).setByte(PublisherRecord::kStatusFlags2, u8(flags));
        } else if (roll < 250) {
            p.missPercent = 35;  // irregular
        }
        if (p.oldest > 0 && rnd_.percent(10)) p.reportMonthMissing = true;
    }
    for (Person& p : persons_) {
        switch (p.kind) {
            case kInactive:
                p.newest = rnd_.between(6, 40);
                break;
            case kMoved:
                p.newest = rnd_.between(1, 30);
                break;
            case kDeleted:
                p.newest = rnd_.between(2, 40);
                break;
            default:
                break;
        }
        if (p.kind == kInactive || p.kind == kMoved || p.kind == kDeleted) p.missPercent = 12;
    }
}

void Builder::writeReports() {
    for (std::size_t i = 0; i < persons_.size(); ++i) {
        const Person& p = persons_[i];
        PublisherRecord& r = row(static_cast<int>(i));
        if (p.kind == kNonPublisher) {
            // Students keep their Bible study conductor's name where reports would be.
            continue;
        }
        if (p.kind != kPublisher) writeLeaverStatus(static_cast<int>(i));
        MonthWalk walk = cal_.walkFromReportMonth();
        for (int back = 0; back < kMonthsKept; ++back, walk.back()) {
            const auto [m, s] = walk.current();
            int pioneerKind = 0;
            if (p.pioneer == 3 || p.pioneer == 1)
                pioneerKind = p.pioneer;
            else if (p.pioneer == 2 && back <= p.pioneerSince)
                pioneerKind = 2;
            const bool reports = back >= p.newest && back <= p.oldest &&
                                 !(back >= p.gapNewest && back <= p.gapOldest) &&
                                 !(back == 0 && p.reportMonthMissing) &&
                                 !rnd_.percent(p.missPercent);
            if (pioneerKind != 0 && back >= p.newest && back <= p.oldest)
                r.setMonthByte(MonthByte::PioneerKind, m, s, u8(pioneerKind));
            if (!reports) continue;
            if (pioneerKind == 0 && p.kind == kPublisher && rnd_.percent(3)) {
                pioneerKind = 1;  // an auxiliary pioneer for the month
                r.setMonthByte(MonthByte::PioneerKind, m, s, 1);
            }
            writeReportMonth(r, back, pioneerKind);
            // Now and then a report handed in a month late (never counted in the report month's
            // index here: those are the late-report list's).
            if (p.kind == kPublisher && back >= 2 && back != 13 && rnd_.percent(2))
                r.setMonthByte(MonthByte::CountedInMonth, m, s, u8(monthSlot(back - 1).month + 1));
        }
    }
    // Students: the conductor is some baptized publisher.
    std::vector<int> conductors;
    for (std::size_t i = 0; i < persons_.size(); ++i)
        if (persons_[i].kind == kPublisher && persons_[i].baptized && age(persons_[i]) >= 18)
            conductors.push_back(static_cast<int>(i));
    for (std::size_t i = 0; i < persons_.size(); ++i) {
        if (persons_[i].kind != kNonPublisher || conductors.empty()) continue;
        const int c =
            conductors[static_cast<std::size_t>(rnd_.below(static_cast<int>(conductors.size())))];
        row(static_cast<int>(i)).setText(PublisherRecord::kConductor, personName(c));
    }
}

void Builder::writeReportMonth(PublisherRecord& r, int back, int pioneerKind) {
    const auto [m, s] = monthSlot(back);
    const bool oldForm = absMonth(back) <= kLastOldFormMonth;
    int hours = 0, quarters = 0, placements = 0, videos = 0, visits = 0, studies = 0, credit = 0;
    bool tookPart = false;
    switch (pioneerKind) {
        case 1:
            hours = oldForm ? rnd_.between(30, 60) : rnd_.between(15, 50);
            break;
        case 2:
            hours = rnd_.between(oldForm ? 40 : 30, 70);
            if (rnd_.percent(oldForm ? 10 : 20)) credit = rnd_.between(1, 15);
            break;
        case 3:
            hours = rnd_.between(80, 100);
            break;
        default:
            // The new form asks a publisher only whether he took part, and his studies.
            if (!oldForm || rnd_.percent(3))
                tookPart = true;  // participated / under one hour
            else
                hours = rnd_.between(1, 20);
            break;
    }
    if (oldForm && hours > 0) {
        if (rnd_.percent(15)) quarters = rnd_.between(1, 3);
        placements = rnd_.below(pioneerKind == 0 ? 13 : 31);
        videos = rnd_.below(pioneerKind == 0 ? 7 : 16);
        visits = rnd_.below(hours / 3 + 2);
    }
    if (pioneerKind == 0)
        studies = (hours > 0 || !oldForm) && rnd_.percent(30) ? rnd_.between(1, 2) : 0;
    else
        studies = rnd_.between(pioneerKind == 3 ? 1 : 0, 5);
    r.setMonthWord(MonthWord::Hours, m, s, u16(hours));
    r.setMonthWord(MonthWord::Placements, m, s, u16(placements));
    r.setMonthWord(MonthWord::Videos, m, s, u16(videos));
    r.setMonthWord(MonthWord::ReturnVisits, m, s, u16(visits));
    r.setMonthWord(MonthWord::CreditHours, m, s, u16(credit));
    r.setMonthWord(MonthWord::StudiesAndFlags, m, s,
                   u16(studies | (tookPart ? kTookPart : 0) | (quarters << kQuarterShift)));
}

// The marks of the people who left the active list, set as the list moves do.
void Builder::writeLeaverStatus(int person) {
    const Person& p = persons_[static_cast<std::size_t>(person)];
    PublisherRecord& r = row(person);
    switch (p.kind) {
        case kInactive: {
            // Inactive after six months without a report.
            const int when =
                p.newest < kMonthsKept ? absMonth(p.newest - 6) : absMonth(rnd_.between(30, 120));
            r.setByte(PublisherRecord::kStatusFlags, u8(16 * (when % 12 + 1)));
            r.setByte(PublisherRecord::kStatusFlags2, u8(when / 12));  // the year, coded below 201
            break;
        }
        case kMoved:
            r.setByte(PublisherRecord::kStatusFlags, u8(16 * (absMonth(p.newest - 1) % 12 + 1)));
            break;
        case kDeleted: {
            const int when = absMonth(p.newest - 1);
            r.setWord(PublisherRecord::kStatusSince,
                      u16((2000 + when / 12 - 1950) * 256 + when % 12 + 1));
            break;
        }
        default:
            break;
    }
}

void Builder::addCircuitOverseer() {
    if (plan_.overseers == 0) return;
    PublisherRecord r;
    const FirstName& first = rnd_.pick(maleFirstNames());
    const FamilyName& last = rnd_.pick(familyNames());
    r.setText(PublisherRecord::kFirstName, greek(first.greek));
    r.setText(PublisherRecord::kLastName, greek(last.male));
    r.setText(PublisherRecord::kAddress, greek("Καραμανλή 54, 54639 Θεσσαλονίκη"));
    r.setText(PublisherRecord::kPhoneMobile, phone("697", 7));
    r.setText(PublisherRecord::kBirthDate,
              dateText(rnd_.between(1960, 1980), rnd_.between(1, 12), rnd_.between(1, 28)));
    r.setText(PublisherRecord::kBaptismDate,
              dateText(rnd_.between(1985, 1995), rnd_.between(1, 12), rnd_.between(1, 28)));
    r.setByte(PublisherRecord::kHope, 'O');
    r.setByte(PublisherRecord::kPrivileges, 0x22);  // male elder
    int id = 100;
    for (const PublisherRecord& other : doc_.publishers) id = std::max(id, other.id() + 1);
    r.setId(u16(id));
    r.setKind(kCircuitOverseer);
    doc_.publishers.push_back(r);
}

void Builder::makeGroups() {
    ServiceGroupTable& g = doc_.groups;
    g = ServiceGroupTable{};
    g.setGroupCount(u8(groupCount_));
    static constexpr std::array<std::string_view, 5> kTimes = {"09:30", "10:00", "10:30", "17:30",
                                                               "18:00"};
    std::set<int> overseers;
    for (int n = 1; n <= groupCount_; ++n) {
        int overseer = -1, assistant = -1;
        for (std::size_t i = 0; i < persons_.size() && overseer < 0; ++i) {
            const Person& p = persons_[i];
            if (p.kind == kPublisher && isElder(p) &&
                families_[static_cast<std::size_t>(p.family)].group == n)
                overseer = static_cast<int>(i);
        }
        for (std::size_t i = 0; i < persons_.size() && overseer < 0; ++i)
            if (persons_[i].kind == kPublisher && isElder(persons_[i]) &&
                overseers.count(static_cast<int>(i)) == 0)
                overseer = static_cast<int>(i);
        for (std::size_t i = 0; i < persons_.size() && assistant < 0; ++i) {
            const Person& p = persons_[i];
            if (p.kind == kPublisher && p.privilege == 1 &&
                families_[static_cast<std::size_t>(p.family)].group == n)
                assistant = static_cast<int>(i);
        }
        if (overseer >= 0) {
            overseers.insert(overseer);
            g.setText(ServiceGroupTable::overseerField(n), personName(overseer));
        }
        if (assistant >= 0) g.setText(ServiceGroupTable::assistantField(n), personName(assistant));
        const std::string place = greek(rnd_.pick(neighbourhoods()));
        g.setText(ServiceGroupTable::placeField(n), place);
        if (rnd_.percent(30)) {
            g.setText(ServiceGroupTable::labelNameField(n), place);
            g.setUseLabel(n, 1);
        }
        g.setText(ServiceGroupTable::timeField(n), kTimes[static_cast<std::size_t>(rnd_.below(5))]);
        g.setMeetingDay(n, u8(rnd_.percent(70) ? rnd_.between(5, 6) : rnd_.between(0, 4)));
    }
}

void Builder::makeRemarks() {
    std::vector<int> active;
    for (std::size_t i = 0; i < persons_.size(); ++i)
        if (persons_[i].kind == kPublisher) active.push_back(static_cast<int>(i));
    if (active.empty()) return;
    const int slots = static_cast<int>(active.size()) * kMonthsKept;
    int wanted = full_ ? static_cast<int>(CZelvoDoc::kRemarksLoaded) : slots * 5 / 100 + 1;
    wanted = std::min({wanted, static_cast<int>(CZelvoDoc::kRemarksLoaded), slots / 2 + 1});
    std::set<std::pair<int, int>> used;
    for (int attempts = 0; static_cast<int>(used.size()) < wanted && attempts < wanted * 50;
         ++attempts) {
        const int person =
            active[static_cast<std::size_t>(rnd_.below(static_cast<int>(active.size())))];
        const int back = rnd_.below(kMonthsKept);
        if (!used.insert({person, back}).second) continue;
        const auto [m, s] = monthSlot(back);
        RemarkRecord remark;
        remark.set(greek(rnd_.pick(remarkTexts())), u8(m + 1), u8(s), row(person).id());
        row(person).setMonthWord(MonthWord::RemarkIndex, m, s, u16(doc_.remarks.size()));
        doc_.remarks.push_back(remark);
    }
}

void Builder::makeLateReports() {
    std::vector<std::pair<int, int>> candidates;  // person, months back
    for (std::size_t i = 0; i < persons_.size(); ++i) {
        if (persons_[i].kind != kPublisher) continue;
        for (int back = 1; back <= 6; ++back) {
            const auto [m, s] = monthSlot(back);
            const PublisherRecord& r = row(static_cast<int>(i));
            const bool hasReport = r.hours(m, s) > 0 || r.quarters(m, s) > 0 || r.tookPart(m, s);
            if (hasReport && r.monthByte(MonthByte::CountedInMonth, m, s) == 0)
                candidates.emplace_back(static_cast<int>(i), back);
        }
    }
    rnd_.shuffle(candidates);
    int active = plan_.counts[kPublisher];
    std::size_t wanted = full_ ? CZelvoDoc::kMaxLateReports
                               : static_cast<std::size_t>(active / 12 + (active > 0 ? 1 : 0));
    wanted = std::min({wanted, CZelvoDoc::kMaxLateReports, candidates.size()});
    const int countedIn = cal_.reportMonth + 1;
    for (std::size_t k = 0; k < wanted; ++k) {
        const auto [person, back] = candidates[k];
        const auto [m, s] = monthSlot(back);
        row(person).setMonthByte(MonthByte::CountedInMonth, m, s, u8(countedIn));
        doc_.lateReports.push_back({row(person).id(), u8(m), u8(countedIn)});
    }
}

void Builder::makeAppointments() {
    std::set<std::pair<int, int>> made;
    auto add = [&](int person, int kind, const std::string& text) {
        if (doc_.appointments.size() >= CZelvoDoc::kMaxAppointments) return;
        const std::uint16_t id = row(person).id();
        if (!made.insert({id, kind}).second) return;
        AppointmentRecord a;
        a.setWord(0, id);
        a.setWord(2, u16(kind));
        a.setText(AppointmentRecord::kText, text);
        doc_.appointments.push_back(a);
    };
    auto pastDate = [&](int fromYear) {
        return dateText(rnd_.between(fromYear, today_.year - 1), rnd_.between(1, 12),
                        rnd_.between(1, 28));
    };
    for (std::size_t i = 0; i < persons_.size(); ++i) {
        const Person& p = persons_[i];
        const int person = static_cast<int>(i);
        if (p.kind == kDeleted) continue;  // their appointments went with the deletion
        const int adult = std::min(std::max(p.birthYear + 20, 1990), today_.year - 1);
        if (p.privilege == 2) {
            const int elderYear =
                rnd_.between(std::min(adult + 5, today_.year - 1), today_.year - 1);
            const std::string since = dateText(elderYear, rnd_.between(1, 12), rnd_.between(1, 28));
            if (rnd_.percent(50)) {  // a servant first, until appointed an elder
                const std::string servant =
                    dateText(rnd_.between(adult, elderYear), rnd_.between(1, 12), 1);
                add(person, 1, servant + since);
            }
            add(person, 2, since);
        } else if (p.privilege == 1) {
            add(person, 1, pastDate(adult));
        }
        if (p.pioneer == 2)
            add(person, 3,
                p.pioneerSince < kMonthsKept ? dateIn(absMonth(p.pioneerSince)) : pastDate(adult));
        else if (p.pioneer == 1)
            add(person, 4, pastDate(today_.year - 3));
        else if (p.pioneer == 3)
            add(person, 5, pastDate(today_.year - 10));
        if (row(person).consentGiven() == 1) add(person, 20, row(person).consentDate());
    }
    // At capacity: earlier pioneer service, started and ended, for whoever has none recorded.
    for (std::size_t i = 0;
         full_ && i < persons_.size() && doc_.appointments.size() < CZelvoDoc::kMaxAppointments;
         ++i) {
        const Person& p = persons_[i];
        if (p.kind == kDeleted || !p.baptized || p.pioneer == 2) continue;
        const int start = std::min(std::max(p.birthYear + 18, 1990), today_.year - 2);
        add(static_cast<int>(i), 3,
            dateText(start, rnd_.between(1, 12), 1) + dateText(start + 1, rnd_.between(1, 12), 28));
    }
}

// Adding records one by one rewrites the whole file each time, as the editors do; for a thousand
// records that is a thousand rewrites of up to 256 KB. At capacity the records are therefore built
// in the document's mirrors of the files, and each file is written once.
void Builder::makeEmergencyContacts() {
    // Who shares one contact: a household, or one person alone.
    std::vector<std::vector<int>> units;
    for (const Family& f : families_) {
        std::vector<int> household;
        for (const int m : f.members) {
            const Person& p = persons_[static_cast<std::size_t>(m)];
            if (p.head || p.headOf >= 0)
                household.push_back(m);
            else
                units.push_back({m});
        }
        if (!household.empty()) units.push_back(household);
    }
    std::size_t wanted =
        full_ ? CZelvoDoc::kMaxEmergency : units.size() * 45 / 100 + (units.empty() ? 0 : 1);
    wanted = std::min<std::size_t>(wanted, persons_.size());
    while (units.size() < wanted) {
        auto largest =
            std::max_element(units.begin(), units.end(),
                             [](const auto& a, const auto& b) { return a.size() < b.size(); });
        if (largest == units.end() || largest->size() < 2) break;
        const int last = largest->back();
        largest->pop_back();
        units.push_back({last});
    }
    rnd_.shuffle(units);
    units.resize(std::min(units.size(), wanted));

    for (std::size_t u = 0; u < units.size(); ++u) {
        EmergencyContact e;
        const bool male = rnd_.percent(40);
        const FamilyName& family = rnd_.pick(familyNames());
        e.setText(EmergencyContact::kName,
                  greek(rnd_.pick(male ? maleFirstNames() : femaleFirstNames()).greek) + " " +
                      greek(male ? family.male : family.female));
        e.setText(EmergencyContact::kInfo, greek(rnd_.pick(relationTexts())));
        if (rnd_.percent(60)) e.setText(EmergencyContact::kPhoneHome, phone("2310", 6));
        e.setText(EmergencyContact::kPhoneMobile, phone("69", 8));
        if (rnd_.percent(10)) e.setText(EmergencyContact::kPhoneWork, phone("210", 7));
        e.bytes[EmergencyContact::kWitness] = u8(rnd_.percent(50) ? 1 : 0);
        int key = 0;
        if (full_) {
            key = 10 + static_cast<int>(u);
            e.setKey(u16(key));
            doc_.emergencyKeys.push_back({u16(key), u16(doc_.emergencyRecords.size())});
            doc_.emergencyRecords.push_back(e);
        } else if (const auto added = doc_.addEmergency(e)) {
            key = *added;
        } else {
            ok_ = false;
            continue;
        }
        for (const int person : units[u])
            row(person).setWord(PublisherRecord::kEmergencyKey, u16(key));
    }
    if (full_ && !writeWholeFile(files::kEmergency, doc_.emergencyRecords)) ok_ = false;
}

void Builder::makeSpecialNeeds() {
    std::vector<int> chosen(persons_.size());
    for (std::size_t i = 0; i < chosen.size(); ++i) chosen[i] = static_cast<int>(i);
    rnd_.shuffle(chosen);
    const std::size_t wanted =
        full_ ? CZelvoDoc::kMaxKeyList : persons_.size() / 15 + (persons_.empty() ? 0 : 1);
    chosen.resize(std::min(chosen.size(), wanted));
    bool shared = false;
    for (const int person : chosen) {
        if (row(person).specialNeedsKey() != 0) continue;
        SpecialNeed n;
        n.setText(SpecialNeed::kText, greek(rnd_.pick(specialNeedTexts())));
        int key = 0;
        if (full_) {
            key = 10 + static_cast<int>(doc_.specialNeedRecords.size());
            n.setKey(u16(key));
            doc_.specialNeedsKeys.push_back({u16(key), u16(doc_.specialNeedRecords.size())});
            doc_.specialNeedRecords.push_back(n);
        } else if (const auto added = doc_.addSpecialNeed(n)) {
            key = *added;
        } else {
            ok_ = false;
            continue;
        }
        row(person).setWord(PublisherRecord::kSpecialNeedsKey, u16(key));
        // One need shared by a whole household, as the shared chooser allows.
        if (!full_ && !shared && persons_[static_cast<std::size_t>(person)].head) {
            shared = true;
            for (std::size_t i = 0; i < persons_.size(); ++i)
                if (persons_[i].headOf == person)
                    row(static_cast<int>(i)).setWord(PublisherRecord::kSpecialNeedsKey, u16(key));
        }
    }
    if (full_ && !writeWholeFile(files::kSpecialNeeds, doc_.specialNeedRecords)) ok_ = false;
}

void Builder::makeContactExtras() {
    std::vector<int> chosen;
    for (std::size_t i = 0; i < persons_.size(); ++i)
        if (persons_[i].kind == kPublisher || persons_[i].kind == kInactive ||
            persons_[i].kind == kNonPublisher)
            chosen.push_back(static_cast<int>(i));
    rnd_.shuffle(chosen);
    const std::size_t wanted = full_ ? CZelvoDoc::kMaxContactExtras - 1 : persons_.size() / 4 + 1;
    chosen.resize(std::min(chosen.size(), wanted));
    if (full_) {
        doc_.contactExtras.assign(1, ContactExtra{});  // record 0: the empty header
        doc_.contactExtraKeys.assign(1, ContactExtraKey{});
    }
    for (const int person : chosen) {
        const Person& p = persons_[static_cast<std::size_t>(person)];
        const Family& f = families_[static_cast<std::size_t>(p.family)];
        const FirstName& middle = rnd_.pick(p.male ? maleFirstNames() : femaleFirstNames());
        ContactExtra e;
        e.setPublisherId(row(person).id());
        e.setText(ContactExtra::kFullName, greek(p.first->greek) + " " + greek(middle.greek) + " " +
                                               greek(p.male ? f.name->male : f.name->female));
        std::string mail(p.first->latin.substr(0, 1));
        mail += '.';
        mail += f.name->latin;
        mail += std::to_string(rnd_.below(100));
        mail += "@example.gr";
        e.setText(ContactExtra::kEmail, mail);
        if (rnd_.percent(50))
            e.setText(ContactExtra::kOtherContact,
                      greek(rnd_.pick(otherContactTexts())) + " " + phone("69", 8));
        int recordNumber = 0;
        if (full_) {
            recordNumber = static_cast<int>(doc_.contactExtras.size());
            ContactExtra stored = e;
            stored.toFile();
            doc_.contactExtras.push_back(stored);
            doc_.contactExtraKeys.push_back({e.publisherId(), e.presence()});
        } else {
            const auto written = doc_.writeContactExtra(e);
            if (!written) {
                ok_ = false;
                continue;
            }
            recordNumber = *written;
        }
        row(person).setWord(PublisherRecord::kExtraIndex, u16(recordNumber));
    }
    if (full_ && !writeWholeFile(files::kContactExtras, doc_.contactExtras)) ok_ = false;
}

void Builder::makeMeetings() {
    const int active = plan_.counts[kPublisher];
    const int students = plan_.counts[kNonPublisher];
    doc_.meetingCount = 2;
    for (int k = 0; k < 2; ++k) {
        MeetingAttendance& meeting = doc_.meetings[static_cast<std::size_t>(k)];
        const int base =
            k == 0 ? active * 78 / 100 + students / 3 : active * 88 / 100 + students / 2;
        const int wday = k == 0 ? 4 : 0;  // Thursday, Sunday
        for (int back = 0; back < 12; ++back) {
            const auto [m, s] = monthSlot(back);
            const int held = countWeekdays(yearAndMonth(absMonth(back)).first, m + 1, wday);
            int total = 0;
            for (int w = 0; w < held; ++w) {
                const int spread = base / 10;
                const int value = std::max(1, base - spread + rnd_.below(2 * spread + 1));
                const auto week = static_cast<MeetingAttendance::Array>(
                    MeetingAttendance::Week1 + static_cast<std::size_t>(w));
                meeting.setValue(week, m, s, u16(value));
                total += value;
            }
            meeting.setValue(MeetingAttendance::Held, m, s, u16(held));
            meeting.setValue(MeetingAttendance::Total, m, s, u16(total));
            meeting.setValue(MeetingAttendance::Average, m, s, u16(held > 0 ? total / held : 0));
        }
    }
}

void Builder::makeHeader() {
    PublisherRecord& h = doc_.header();
    for (int back = 0; back < kMonthsKept; ++back) {
        const auto [m, s] = monthSlot(back);
        h.setMonthWord(MonthWord::RemarkIndex, m, s,
                       u16(absMonth(back) / 12));  // year the collection opened
        if (back < 12) h.setCollectionState(m, back == 0 ? 1 : 2);
    }
    // The report entered last: someone who has reported this month.
    const int m = cal_.reportMonth;
    const int s = cal_.reportSlot();
    for (std::size_t i = 0; i < persons_.size(); ++i) {
        const PublisherRecord& r = row(static_cast<int>(i));
        if (persons_[i].kind == kPublisher && (r.hours(m, s) > 0 || r.tookPart(m, s))) {
            doc_.lastEnteredId = static_cast<std::int16_t>(r.id());
            break;
        }
    }
}

// The congregation's history of monthly totals, as the branch report left it month by month.
void Builder::fillMonthTotalsHistory() {
    CalendarState& cal = doc_.calendar;
    const CalendarState saved = cal;
    std::vector<LateReportEntry> late;
    late.swap(doc_.lateReports);  // counted in the report month, not in the months before
    std::array<std::uint8_t, 12> states{};
    for (int m = 0; m < 12; ++m)
        states[static_cast<std::size_t>(m)] = doc_.header().collectionState(m);
    // No month before January 2000 has a place in the calendar.
    for (int back = 1; back < kMonthsKept && back <= saved.reportAbsMonth; ++back) {
        const int abs = saved.reportAbsMonth - back;
        cal.reportMonth = u8(abs % 12);
        cal.reportYear = u8(abs / 12);
        cal.reportAbsMonth = u16(abs);
        cal.newReportForm = abs > kLastOldFormMonth ? 1 : 0;
        doc_.header().setCollectionState(cal.reportMonth, 1);
        computeBranchTotals(doc_, false);
    }
    cal = saved;
    late.swap(doc_.lateReports);
    for (int m = 0; m < 12; ++m)
        doc_.header().setCollectionState(m, states[static_cast<std::size_t>(m)]);
}

bool holdsCongregationData(const std::string& folder) {
    for (const std::string_view name :
         {files::kPublishers, files::kOldPublishers, files::kRemarks, files::kContactExtras,
          files::kEmergency, files::kSpecialNeeds, files::kAppointments, files::kGroups,
          files::kMeetings, files::kMonthTotals, files::kUnderHour})
        if (fileExists(resolvePath(folder, name))) return true;
    return false;
}

}  // namespace

bool fillDemoCongregation(CZelvoDoc& doc, const DemoOptions& options) {
    const bool fresh = doc.recordCount() == 1 && doc.remarkCount() == 1 &&
                       doc.appointments.empty() && doc.emergencyKeys.empty() &&
                       doc.specialNeedsKeys.empty() && doc.contactExtras.empty() &&
                       doc.lateReports.empty();
    if (!fresh || doc.readOnly()) return false;
    Builder builder(doc, options);
    return builder.run();
}

bool writeDemoCongregation(const std::string& folder, const DemoOptions& options) {
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (!std::filesystem::is_directory(folder, ec) || holdsCongregationData(folder)) return false;
    ScriptedPrompts prompts;
    CZelvoDoc doc;
    doc.startUp(folder, options.today, LoadMode::Live);
    if (!doc.load(prompts, LoadMode::Live).ok) return false;
    const bool filled = fillDemoCongregation(doc, options);
    const SaveResult saved = doc.saveAll(prompts);
    doc.closeDocument();
    return filled && saved.ok;
}

}  // namespace zelvo::demo
