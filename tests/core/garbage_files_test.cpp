// Damaged files in the data folder. Every kind of file, broken in each of the usual ways, is
// put into a valid folder and loaded: nothing crashes, a partial record or a file beyond the
// reader's capacity is reported, a read-only load leaves the folder exactly as it was, and a
// live load followed by a save leaves a folder that loads back to what was loaded.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cctype>
#include <random>

#include "../../fuzz/doc_compare.h"
#include "../../fuzz/sample_folder.h"

namespace zelvo {
namespace {

enum class Base { Today, Old };  // the sample folder the damaged file is put into

struct FileKind {
    std::string_view name;
    std::size_t recordSize;  // 0: text, the sample's whole file counts as its record
    std::size_t capacity;    // records the reader takes, or the size beyond which it reads part
    Base base;
    std::size_t keptHeader = 0;  // bytes of the sample's file kept in front: the header row
};

constexpr FileKind kKinds[] = {
    {files::kPublishers, PublisherRecord::kSize, CZelvoDoc::kMaxRows, Base::Today,
     PublisherRecord::kSize},
    {files::kMonthTotals, MonthTotals::kSize, 1, Base::Today},
    {files::kGroups, ServiceGroupTable::kSize, 1, Base::Today},
    {files::kMeetings, MeetingAttendance::kSize, 2, Base::Today},
    {files::kRemarks, RemarkRecord::kSize, 4 * CZelvoDoc::kMaxRemarks, Base::Today},
    {files::kContactExtras, ContactExtra::kSize, CZelvoDoc::kMaxContactExtras, Base::Today},
    {files::kEmergency, EmergencyContact::kSize, CZelvoDoc::kMaxEmergency, Base::Today},
    {files::kSpecialNeeds, SpecialNeed::kSize, CZelvoDoc::kMaxKeyList, Base::Today},
    {files::kAppointments, AppointmentRecord::kSize, CZelvoDoc::kMaxAppointments, Base::Today},
    {files::kUnderHour, UnderHourRecord::kSize, 4 * CZelvoDoc::kMaxRows, Base::Today},
    {files::kDisplayConfig, DisplayConfig::kSize, 1, Base::Today},
    {files::kSettings, 0, 1 << 20, Base::Today},
    {files::kOldPublishers, legacy::kOldRowSize, CZelvoDoc::kOldKindFileRecords + 1, Base::Old,
     legacy::kOldRowSize},
    {files::kOldInactive, legacy::kOldRowSize, CZelvoDoc::kOldKindFileRecords, Base::Old},
    {files::kOldMoved, legacy::kOldRowSize, CZelvoDoc::kOldKindFileRecords, Base::Old},
    {files::kOldNonPublishers, legacy::kOldRowSize, CZelvoDoc::kOldKindFileRecords, Base::Old},
    {files::kOldDeleted, legacy::kOldRowSize, CZelvoDoc::kOldKindFileRecords, Base::Old},
    {files::kOldRemarks, legacy::kOldRemarkSize, CZelvoDoc::kRemarksLoaded + 1, Base::Old},
    {files::kOldTotals, legacy::kOldTotalsSize, 1, Base::Old},
    {files::kOldLateReports, legacy::kOldLateSize, legacy::kOldLateMax, Base::Old},
    {files::kOldMeetings, legacy::kOldMeetingSize, legacy::kOldMeetingMax, Base::Old},
    {files::kOldPreviousYearTotals, legacy::kOldTotalsSize, 1, Base::Old},
    {files::kOldPreviousYearRemarks, legacy::kOldRemarkSize, CZelvoDoc::kRemarksLoaded + 1,
     Base::Old},
    {files::kGroups, files::kOldGroupTableSize, 1, Base::Old},  // the previous generation's layout
};

enum class Damage {
    Empty,
    OneByte,
    RecordMinusOne,
    RecordPlusOne,
    RecordOfFF,
    RandomBytes,
    FarLarger
};
constexpr Damage kDamages[] = {Damage::Empty,         Damage::OneByte,    Damage::RecordMinusOne,
                               Damage::RecordPlusOne, Damage::RecordOfFF, Damage::RandomBytes,
                               Damage::FarLarger};
constexpr const char* kDamageNames[] = {"Empty",         "OneByte",    "RecordMinusOne",
                                        "RecordPlusOne", "RecordOfFF", "RandomBytes",
                                        "FarLarger"};

// The two sample folders, made once through the core's own writers.
const sample::FolderBytes& sampleFiles(Base base) {
    static const auto samples = [] {
        const fs::path folder = fs::temp_directory_path() /
                                ("zelvo_garbage_files_sample_" + std::to_string(::getpid()));
        fs::remove_all(folder);
        EXPECT_TRUE(sample::writeSampleFolder(folder));
        std::array<sample::FolderBytes, 2> out{sample::readFolder(folder),
                                               sample::oldSampleFiles()};
        fs::remove_all(folder);
        out[0].erase(std::string(files::kRemarkUndo));
        return out;
    }();
    return samples[base == Base::Today ? 0 : 1];
}

Bytes damaged(const FileKind& kind, Damage damage, std::size_t seed) {
    const Bytes& file = sampleFiles(kind.base).at(std::string(kind.name));
    const std::size_t unit = kind.recordSize > 0 ? kind.recordSize : file.size();
    Bytes record(file.begin() + static_cast<std::ptrdiff_t>(std::min(kind.keptHeader, file.size())),
                 file.end());
    record.resize(unit, 0x5A);
    std::mt19937 random(static_cast<std::uint32_t>(1253 + seed));
    auto randomBytes = [&](std::size_t n) {
        Bytes b(n);
        for (Byte& x : b) x = static_cast<Byte>(random());
        return b;
    };
    Bytes out(file.begin(),
              file.begin() + static_cast<std::ptrdiff_t>(std::min(kind.keptHeader, file.size())));
    Bytes body;
    switch (damage) {
        case Damage::Empty:
            return {};
        case Damage::OneByte:
            return {0x41};
        case Damage::RecordMinusOne:
            body.assign(record.begin(), record.end() - 1);
            break;
        case Damage::RecordPlusOne:
            body = record;
            body.push_back(0x41);
            break;
        case Damage::RecordOfFF:
            body.assign(unit, 0xFF);
            break;
        case Damage::RandomBytes:
            body = randomBytes(3 * unit + unit / 2 + 1);
            break;
        case Damage::FarLarger:
            body = randomBytes(kind.recordSize > 0 ? unit * (2 * kind.capacity + 1) + 17
                                                   : kind.capacity + 17);
            break;
    }
    out.insert(out.end(), body.begin(), body.end());
    return out;
}

// Whether the load must report the file: it ends in a partial record, or holds more than its
// reader takes. A publisher table of 400 bytes or less counts as missing, so it is not damaged.
bool mustBeReported(const FileKind& kind, std::size_t size) {
    if (size == 0 || kind.recordSize == 0) return false;
    if (kind.name == files::kPublishers && size < files::kMinPublisherFile) return false;
    return size % kind.recordSize != 0 || size / kind.recordSize > kind.capacity;
}

std::string joined(const std::vector<std::string>& lines) {
    std::string out;
    for (const std::string& line : lines) out += line + "\n";
    return out;
}

class GarbageFile : public ::testing::TestWithParam<std::tuple<std::size_t, Damage>> {
protected:
    const FileKind& kind() const { return kKinds[std::get<0>(GetParam())]; }
    Damage damage() const { return std::get<1>(GetParam()); }

    void SetUp() override {
        root_ = fs::temp_directory_path() / ("zelvo_garbage_files_" + std::to_string(::getpid()));
        fs::remove_all(root_);
        files_ = sampleFiles(kind().base);
        files_[std::string(kind().name)] = damaged(kind(), damage(), std::get<0>(GetParam()));
    }
    void TearDown() override { fs::remove_all(root_); }

    fs::path folder(const char* name) const {
        const fs::path p = root_ / name;
        fs::create_directories(p);
        sample::writeFolder(p, files_);
        return p;
    }

    fs::path root_;
    sample::FolderBytes files_;
};

TEST_P(GarbageFile, ReadOnlyLoadReportsTheDamageAndChangesNothing) {
    const fs::path ro = folder("ro");
    const sample::FolderBytes before = sample::readFolder(ro);
    ScriptedPrompts prompts;
    CZelvoDoc doc;
    doc.startUp(ro.string(), sample::kSampleDate, LoadMode::ReadOnly);
    const LoadResult result = doc.load(prompts, LoadMode::ReadOnly);
    EXPECT_TRUE(result.ok) << "the samples have no password";
    if (mustBeReported(kind(), files_.at(std::string(kind().name)).size())) {
        EXPECT_FALSE(doc.problems.empty()) << kind().name << " is damaged but nothing was reported";
    }
    EXPECT_TRUE(doc.saveAll(prompts).ok) << "a read-only save writes nothing and fails nothing";
    doc.closeDocument();
    EXPECT_TRUE(sample::readFolder(ro) == before) << "a read-only session changed the folder";

    // A live load of the same folder sees the same.
    ScriptedPrompts livePrompts;
    CZelvoDoc live;
    live.startUp(folder("live").string(), sample::kSampleDate, LoadMode::Live);
    EXPECT_EQ(live.load(livePrompts, LoadMode::Live).ok, result.ok);
    EXPECT_EQ(sample::firstDifference(doc, live, true), "") << joined(doc.problems);
}

TEST_P(GarbageFile, LiveLoadAndSaveGiveAFolderThatLoadsTheSame) {
    const fs::path live = folder("live");
    ScriptedPrompts prompts;
    CZelvoDoc doc;
    doc.startUp(live.string(), sample::kSampleDate, LoadMode::Live);
    ASSERT_TRUE(doc.load(prompts, LoadMode::Live).ok);
    CZelvoDoc expected = doc;
    sample::applySaveEffects(expected);
    // The files a save refuses: those too large to have been read whole, left as they are.
    const bool tooLarge = damage() == Damage::FarLarger &&
                          (kind().name == files::kRemarks || kind().name == files::kSettings);
    const SaveResult saved = doc.saveAll(prompts);
    for (const std::string& failed : saved.failedFiles)
        EXPECT_TRUE(tooLarge && fs::path(failed).filename() == kind().name) << failed;

    ScriptedPrompts againPrompts;
    CZelvoDoc again;
    again.startUp(live.string(), sample::kSampleDate, LoadMode::Live);
    ASSERT_TRUE(again.load(againPrompts, LoadMode::Live).ok);
    EXPECT_EQ(sample::firstDifference(expected, again, false), "");
}

std::string paramName(const ::testing::TestParamInfo<GarbageFile::ParamType>& info) {
    const FileKind& kind = kKinds[std::get<0>(info.param)];
    std::string name(kind.name);
    if (kind.recordSize == files::kOldGroupTableSize) name += "_old_layout";
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    return name + "_" + kDamageNames[static_cast<int>(std::get<1>(info.param))];
}

INSTANTIATE_TEST_SUITE_P(EveryFile, GarbageFile,
                         ::testing::Combine(::testing::Range<std::size_t>(0, std::size(kKinds)),
                                            ::testing::ValuesIn(kDamages)),
                         paramName);

}  // namespace
}  // namespace zelvo
