// The reports' texts: the page header, the congregation report, fonts, printing and preview.
// Part of the string table: include resources/strings.h.
#pragma once

#include <string_view>

#include "resources/strings_shell.h"

namespace zelvo::res {

// The page header and the report columns.
inline constexpr std::string_view kPrinted = "Τυπώθηκε";
inline constexpr std::string_view kHeadingName = "Όνομα";
inline constexpr std::string_view kHeadingPlacements = "Εκδ.";
inline constexpr std::string_view kHeadingVideos = "Βίντεο";
inline constexpr std::string_view kHeadingHours = "Ώρες";
inline constexpr std::string_view kHeadingReturnVisits = "Επαν.";
inline constexpr std::string_view kHeadingStudies = "Γρ.Μελ";

// The congregation report: analysis, totals, the branch block and the meeting block.
inline constexpr std::string_view kCongregation = "Εκκλησία";
inline constexpr std::string_view kGroupWord = "Όμιλος";
inline constexpr std::string_view kActiveWord = "Δραστήριοι";
inline constexpr std::string_view kInactiveWord = "Αδρανείς";
inline constexpr std::string_view kUnassignedPublishers = "Αδιόριστοι Ευαγγελιζόμενοι";
inline constexpr std::string_view kAssistantWord = "Βοηθός";
// %1 the report month, as monthNameAccusative gives it.
inline constexpr std::string_view kAnalysisTitle = "Έκθεση Εκκλησίας για τον %1";
inline constexpr std::string_view kTotalsTitle = "Σύνολα Εκθέσεων για τον %1";
// %1 the report month, as monthNameGenitive gives it.
inline constexpr std::string_view kGroupAnalysisTitleNumber = "Έκθεση %1 για τον Όμιλο # %2";
inline constexpr std::string_view kGroupAnalysisTitleName = "Έκθεση %1 για τον %2";
inline constexpr std::string_view kNameJoin = " - ";
inline constexpr std::string_view kLabelJoin = ": ";
inline constexpr std::string_view kHeadingHoursAverage = "Μ.Ο. Ωρών";
inline constexpr std::string_view kHeadingThreeSixMonths = "3μη / 6μη";
// The group lists: %1 kCongregation.
inline constexpr std::string_view kGroupListTitle = "%1 Όμιλοι Υπηρεσίας Αγρού";
// The assistant's mark in the group lists of the Czech edition (others take the first letter of
// kAssistantWord).
inline constexpr std::string_view kAssistantMarkCzech = "A";
inline constexpr std::string_view kPioneersSection = "Τακτικοί και Ειδικοί Σκαπανείς";
// %1 kGroupWord, %2 the group's number.
inline constexpr std::string_view kGroupSectionFormat = "  %1 %2";
// The hours column of a publisher who took part, under the new report form.
inline constexpr std::string_view kParticipated = kButtonYes;
inline constexpr std::string_view kMarkUnbaptized = "§";
inline constexpr std::string_view kMarkRegularPioneer = "Σ";
inline constexpr std::string_view kMarkSpecialPioneer = "ΕΣ";
inline constexpr std::string_view kMarkAuxiliaryPioneer = "ΒΣ";
inline constexpr std::string_view kMarkSpecialServant = "+";
inline constexpr std::string_view kMarkUnderOneHour = "<";
inline constexpr std::string_view kMarkNoReport = "#";
inline constexpr std::string_view kMarkIrregular = "i";
inline constexpr std::string_view kCategoryPublishers = "Ευαγ.";
inline constexpr std::string_view kCategoryAuxiliary = "Βοηθ.Σκαπ";
inline constexpr std::string_view kCategoryRegular = "Σκαπ";
inline constexpr std::string_view kCategorySpecial = "Ειδ.Σκαπ.";
inline constexpr std::string_view kCategoryTotals = "Σύνολα";
inline constexpr std::string_view kSummaryPublishers = "Σύνολο Ευαγγελιζομένων";
inline constexpr std::string_view kSummaryAuxiliary = "Βοηθητικοί Σκαπανείς";
inline constexpr std::string_view kSummaryUnderFive = "Κάτω από 5 ώρες";
inline constexpr std::string_view kSummaryIrregular = "Σύνολο Μη Τακτικών";
inline constexpr std::string_view kSummaryFiveToNine = "5 έως 9 ώρες";
inline constexpr std::string_view kSummaryNoReport = "Χωρίς Δελτίο";
inline constexpr std::string_view kSummaryTenOrMore = "10 ώρες ή περισσότερο";
inline constexpr std::string_view kSummaryUnbaptized = "Αβάφτιστοι ";
inline constexpr std::string_view kSummaryUnderOneHour = "Κάτω από 1 ώρα";
// %1 the report month, as monthNameGenitive gives it.
inline constexpr std::string_view kBranchReportTitle = "Έκθεση %1 για το Γραφείο Τμήματος";
// After kBranchReportTitle, before kActiveWord: %1 the number of active publishers.
inline constexpr std::string_view kBranchActiveFormat = " - %1 ";
inline constexpr std::string_view kMeetingReportHeading = "Έκθεση Παρόντων Συναθροίσεων";
inline constexpr std::string_view kMeetingsHeld = "Αρ.";
inline constexpr std::string_view kAttendanceTotal = "Σύν";
inline constexpr std::string_view kAverageShort = "Μ.Ο.";
inline constexpr std::string_view kHeadingPercent = "Επί τοις 100";
// %1 the percentage (six wide), %2 the active publishers (three wide).
inline constexpr std::string_view kMeetingPercentLine = "%1%  από  %2";

// Fonts, printing, print preview and PDF.
inline constexpr std::string_view kFontTitleChooser = "Γραμ/σειρά για Τίτλους";
inline constexpr std::string_view kFontSubtitleChooser = "Γραμ/σειρά για Υπότιτλους";
inline constexpr std::string_view kFontHeadingChooser = "Γραμ/σειρά για Επικεφαλίδες";
inline constexpr std::string_view kFontTextChooser = "Γραμ/σειρά για το κείμενο της Έκθεσης";
// Words of the style names that font files carry ("Regular", "Condensed Bold") and Qt's own
// texts do not hold.
inline constexpr std::string_view kFontStyleRegular = "Κανονικά";
inline constexpr std::string_view kFontStyleCondensed = "Στενά";
inline constexpr std::string_view kFontStyleExpanded = "Φαρδιά";
inline constexpr std::string_view kFontStyleSemibold = "Ημιέντονα";
inline constexpr std::string_view kFontStyleExtraBold = "Εξαιρετικά έντονα";
inline constexpr std::string_view kFontStyleExtraLight = "Εξαιρετικά λεπτά";
inline constexpr std::string_view kPreviewPrevious = "Προηγούμενη";
inline constexpr std::string_view kPreviewNext = "Επόμενη";
inline constexpr std::string_view kPreviewFirst = "Πρώτη";
inline constexpr std::string_view kPreviewLast = "Τελευταία";
inline constexpr std::string_view kPreviewZoomIn = "Μεγέθυνση";
inline constexpr std::string_view kPreviewZoomOut = "Σμίκρυνση";
inline constexpr std::string_view kPreviewFitWidth = "Πλάτος Σελίδας";
inline constexpr std::string_view kPreviewWholePage = "Ολόκληρη Σελίδα";
inline constexpr std::string_view kPreviewPageOf = "Σελίδα %1 από %2";
inline constexpr std::string_view kPrintFailed = "Η εκτύπωση δεν ξεκίνησε στον εκτυπωτή %1.";
inline constexpr std::string_view kPdfNotWritten = "Το αρχείο PDF δεν μπόρεσε να γραφτεί: %1";
// A file saved under the name of one of the data folder's files would replace the data.
inline constexpr std::string_view kProgramFileName =
    "Το όνομα %1 ανήκει σε αρχείο δεδομένων του προγράμματος. Διαλέξτε άλλο όνομα.";
inline constexpr std::string_view kPdfNoReport = "Η έκθεση αυτή δεν είναι ακόμη διαθέσιμη.";
inline constexpr std::string_view kNoPrinterSavePdf =
    "Δεν βρέθηκε εκτυπωτής. Να αποθηκευτεί η έκθεση ως PDF;";
inline constexpr std::string_view kPdfSaveTitle = "Αποθήκευση ως PDF";
inline constexpr std::string_view kPdfFileFilter = "Αρχεία PDF (*.pdf)";
inline constexpr std::string_view kPdfCancelled =
    "Η αποθήκευση ως PDF ακυρώθηκε· δεν γράφτηκε κανένα αρχείο.";
// %1 the pages sent to the printer before Cancel.
inline constexpr std::string_view kPrintCancelled =
    "Η εκτύπωση ακυρώθηκε. Σελίδες που στάλθηκαν στον εκτυπωτή: %1.";
// The progress of a job of one group of several, above its page line (kPreviewPageOf).
inline constexpr std::string_view kProgressGroupOf = "Όμιλος %1 από %2";

}  // namespace zelvo::res
