// Names and record sizes of the files of the data folder.
#pragma once

#include <cstddef>
#include <string_view>

namespace zelvo::files {

inline constexpr std::string_view kPublishers = "zdat9.bin";
inline constexpr std::string_view kMonthTotals = "zcard.dat";
inline constexpr std::string_view kGroups = "bkstudy.dat";
inline constexpr std::string_view kMeetings = "meetin9.dat";
inline constexpr std::string_view kRemarks = "remark9.dat";
inline constexpr std::string_view kRemarkUndo = "rmkundo.dat";
inline constexpr std::string_view kContactExtras = "xten7.dat";
inline constexpr std::string_view kEmergency = "emerg.dat";
inline constexpr std::string_view kEmergencyTemp = "emerg1.dat";
inline constexpr std::string_view kSpecialNeeds = "spneed.dat";
inline constexpr std::string_view kAppointments = "zappt.dat";
inline constexpr std::string_view kUnderHour = "zlt15.dat";
inline constexpr std::string_view kDisplayConfig = "zvxcfg.cfg";
inline constexpr std::string_view kSettings = "zelvog.ini";
inline constexpr std::string_view kBackupHistory = "buhist.dat";

// The previous generation.
inline constexpr std::string_view kOldPublishers = "zdat7.bin";
inline constexpr std::string_view kOldInactive = "zinac7.dat";
inline constexpr std::string_view kOldMoved = "zmove7.dat";
inline constexpr std::string_view kOldNonPublishers = "znopu7.dat";
inline constexpr std::string_view kOldDeleted = "zdele7.dat";
inline constexpr std::string_view kOldRemarks = "remark7.dat";
inline constexpr std::string_view kOldTotals = "spcards.dat";
inline constexpr std::string_view kOldLateReports = "oddmo7.dat";
inline constexpr std::string_view kOldMeetings = "meeting.dat";
inline constexpr std::string_view kOldPreviousYearTotals = "Roll/Zv7_8/spcards.dat";
inline constexpr std::string_view kOldPreviousYearRemarks = "Roll/Zv7_8/remark7.dat";

inline constexpr std::size_t kMinPublisherFile = 401;  // 400 bytes or less count as missing
inline constexpr std::size_t kOldGroupTableSize = 1881;
inline constexpr std::size_t kRemarkCompactAbove = 143;

// The files a month copy holds.
inline constexpr std::string_view kMonthCopyFiles[] = {
    kPublishers,   kContactExtras, kRemarks,       kAppointments, kEmergency, kMonthTotals,
    kSpecialNeeds, kSettings,      kDisplayConfig, kGroups,       kMeetings,  kUnderHour};

// Whether the last part of `path` names one of the files the program keeps, whatever the case of
// its letters: a PDF or an export saved under such a name in the data folder would replace the
// congregation's data.
bool isProgramFileName(std::string_view path);

}  // namespace zelvo::files
