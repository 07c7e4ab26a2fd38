#include "resources/strings.h"

#include <array>
#include <utility>

namespace zelvo::res {

namespace {

constexpr std::array<std::string_view, 12> kMonthNames = {
    "Ιανουάριος", "Φεβρουάριος", "Μάρτιος",     "Απρίλιος",  "Μάιος",     "Ιούνιος",
    "Ιούλιος",    "Αύγουστος",   "Σεπτέμβριος", "Οκτώβριος", "Νοέμβριος", "Δεκέμβριος"};

constexpr std::array<std::string_view, 12> kMonthAbbrevs = {
    "Ιαν", "Φεβ", "Μαρ", "Απρ", "Μαϊ", "Ιουν", "Ιουλ", "Αυγ", "Σεπ", "Οκτ", "Νοε", "Δεκ"};

constexpr std::pair<int, std::string_view> kTable[] = {
    {1197, "Να αποθηκευτούν οι αλλαγές;"},
    {1198, "greek"},
    {1231,
     "Αδύνατη η δημιουργία νέου αρχείου: %1.\nΑλλάξτε την ιδιότητα μόνο για ανάγνωση από τον "
     "Κατάλογο/ το αρχείο ή ζητείστε να σας επιτραπεί να δημιουργήσετε αρχεία σ' αυτό τον "
     "κατάλογο."},
    {1235,
     "Αυτό το πρόγραμμα προορίζεται για να βοηθήσει στους υπολογισμούς όταν συγκεντρώνονται "
     "τα δελτία έργου και ετοιμάζεται η μηνιαία έκθεση."},
    {1236, "Δεν αντικαθιστά ούτε επηρεάζει τις οδηγίες της οργάνωσης προς τον Γραμματέα."},
    {1237,
     "Όλες οι κάρτες και οι φόρμες που παρέχονται από την οργάνωση πρέπει να τηρούνται "
     "κατάλληλα σύμφωνα με τις οδηγίες."},
    {1323, ".25"},
    {1324, ".5"},
    {1325, ".75"},
    // Contacts, needs and the group choosers.
    {1040, "Επίσκοπος: %1"},
    {1242, "Εκτύπωση"},
    {1305, "#"},
    {1389, "Άλλη επαφή (προτιμότερο εκτός περιοχής)"},
    // The publisher and student pickers, households, the status dialog, the month chooser.
    {1006, "Διπλό Όνομα."},
    {1007, "Αντικατάσταση με νέα πληροφορία"},
    {1043, "<<<    &Πρόσθεσε    <<<"},
    {1056, "επαναδραστηριοποιήθηκε"},
    {1249, "Μήνας που"},
    {1259, "Επιλογή"},
    {1260, "Ακύρωση"},
    {1287, "Επέλεξε Σπουδαστή"},
    {1327, "σ"},
    {1328, "i"},
    // The congregation report.
    {1057, "Εκκλησία"},
    {1058, "Όμιλος"},
    {1063, "Αδρανείς"},
    {1129, "Αρ."},
    {1130, "Σύν"},
    {1131, "Μ.Ο."},
    {1139, "Δραστήριοι"},
    {1238, "Αδιόριστοι Ευαγγελιζόμενοι"},
    {1263, "Βοηθός"},
    {1269, "Υπηρέτης: %1"},
    {1299, "Οδηγός: %1"},
    // The details of a publisher or a student.
    {1008, "Θέλεις αλήθεια να διαγράψεις %1;"},
    {1288, "Επεξεργασία Σπουδαστή"},
    {1289, "Οδηγός Γραφικής Μελέτης"},
    {1290, "Επέλεξε Οδηγό Γραφικής Μελέτης"},
    {1292, "Διαγραφή Οδηγού Γραφικής Μελέτης"},
    {1358, "Επεξεργασία Σπιτικού"},
    {1359, "Προβολή Σπιτικού"},
    {1399, "Αντιγραφή"},
    {1400, "Επικόλληση"},
};

}  // namespace

std::string_view text(int id) {
    if (id >= kMonthJanuary && id < kMonthJanuary + 12)
        return kMonthNames[static_cast<std::size_t>(id - kMonthJanuary)];
    if (id >= kMonthAbbrevJanuary && id < kMonthAbbrevJanuary + 12)
        return kMonthAbbrevs[static_cast<std::size_t>(id - kMonthAbbrevJanuary)];
    for (const auto& [key, value] : kTable)
        if (key == id) return value;
    return {};
}

std::string format(std::string_view pattern, std::string_view arg1, std::string_view arg2,
                   std::string_view arg3) {
    const std::string_view args[] = {arg1, arg2, arg3};
    std::string out;
    out.reserve(pattern.size() + arg1.size() + arg2.size() + arg3.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' &&
            pattern[i + 1] <= '3') {
            out += args[pattern[i + 1] - '1'];
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}

std::string fillPrintf(std::string_view pattern, std::string_view s, long d) {
    std::string out(pattern);
    if (const auto at = out.find("%s"); at != std::string::npos) out.replace(at, 2, s);
    if (const auto at = out.find("%d"); at != std::string::npos)
        out.replace(at, 2, std::to_string(d));
    return out;
}

std::string_view monthName(int monthIndex) {
    return text(kMonthJanuary + (monthIndex % 12 + 12) % 12);
}
std::string_view monthAbbrev(int monthIndex) {
    return text(kMonthAbbrevJanuary + (monthIndex % 12 + 12) % 12);
}

std::string_view monthNameGenitive(int monthIndex) {
    // A date in words reads "15 Μαρτίου 1980".
    static constexpr std::array<std::string_view, 12> kGenitives = {
        "Ιανουαρίου", "Φεβρουαρίου", "Μαρτίου",   "Απριλίου",  "Μαΐου",     "Ιουνίου",
        "Ιουλίου",    "Αυγούστου",   "Σεπτεμβρίου", "Οκτωβρίου", "Νοεμβρίου", "Δεκεμβρίου"};
    return kGenitives[static_cast<std::size_t>((monthIndex % 12 + 12) % 12)];
}

}  // namespace zelvo::res
