#include "demo/greek_names.h"

#include <array>

namespace zelvo::demo {

namespace {

using namespace std::string_view_literals;

constexpr std::array kMale = {
    FirstName{"Γεώργιος", "georgios"},
    FirstName{"Ιωάννης", "ioannis"},
    FirstName{"Κωνσταντίνος", "konstantinos"},
    FirstName{"Δημήτριος", "dimitrios"},
    FirstName{"Νικόλαος", "nikolaos"},
    FirstName{"Παναγιώτης", "panagiotis"},
    FirstName{"Βασίλειος", "vasileios"},
    FirstName{"Χρήστος", "christos"},
    FirstName{"Αθανάσιος", "athanasios"},
    FirstName{"Μιχάλης", "michalis"},
    FirstName{"Ευάγγελος", "evangelos"},
    FirstName{"Σπύρος", "spyros"},
    FirstName{"Αντώνης", "antonis"},
    FirstName{"Αναστάσιος", "anastasios"},
    FirstName{"Θεόδωρος", "theodoros"},
    FirstName{"Ανδρέας", "andreas"},
    FirstName{"Χαράλαμπος", "charalampos"},
    FirstName{"Αλέξανδρος", "alexandros"},
    FirstName{"Μανώλης", "manolis"},
    FirstName{"Ηλίας", "ilias"},
    FirstName{"Σταύρος", "stavros"},
    FirstName{"Πέτρος", "petros"},
    FirstName{"Στέφανος", "stefanos"},
    FirstName{"Παύλος", "pavlos"},
    FirstName{"Άγγελος", "angelos"},
    FirstName{"Μάριος", "marios"},
    FirstName{"Θωμάς", "thomas"},
    FirstName{"Λεωνίδας", "leonidas"},
};

constexpr std::array kFemale = {
    FirstName{"Μαρία", "maria"},
    FirstName{"Ελένη", "eleni"},
    FirstName{"Αικατερίνη", "aikaterini"},
    FirstName{"Βασιλική", "vasiliki"},
    FirstName{"Σοφία", "sofia"},
    FirstName{"Αγγελική", "angeliki"},
    FirstName{"Γεωργία", "georgia"},
    FirstName{"Δήμητρα", "dimitra"},
    FirstName{"Κωνσταντίνα", "konstantina"},
    FirstName{"Παρασκευή", "paraskevi"},
    FirstName{"Ευαγγελία", "evangelia"},
    FirstName{"Ιωάννα", "ioanna"},
    FirstName{"Χριστίνα", "christina"},
    FirstName{"Αναστασία", "anastasia"},
    FirstName{"Ειρήνη", "eirini"},
    FirstName{"Θεοδώρα", "theodora"},
    FirstName{"Αλεξάνδρα", "alexandra"},
    FirstName{"Δέσποινα", "despoina"},
    FirstName{"Φωτεινή", "foteini"},
    FirstName{"Χρυσούλα", "chrysoula"},
    FirstName{"Ζωή", "zoi"},
    FirstName{"Νικολέτα", "nikoleta"},
    FirstName{"Σταυρούλα", "stavroula"},
    FirstName{"Αργυρώ", "argyro"},
    FirstName{"Ευτυχία", "eftychia"},
};

constexpr std::array kFamily = {
    FamilyName{"Παπαδόπουλος", "Παπαδοπούλου", "papadopoulos"},
    FamilyName{"Παπαδάκης", "Παπαδάκη", "papadakis"},
    FamilyName{"Γεωργίου", "Γεωργίου", "georgiou"},
    FamilyName{"Οικονόμου", "Οικονόμου", "oikonomou"},
    FamilyName{"Νικολάου", "Νικολάου", "nikolaou"},
    FamilyName{"Παπανικολάου", "Παπανικολάου", "papanikolaou"},
    FamilyName{"Βασιλείου", "Βασιλείου", "vasileiou"},
    FamilyName{"Κωνσταντίνου", "Κωνσταντίνου", "konstantinou"},
    FamilyName{"Ιωάννου", "Ιωάννου", "ioannou"},
    FamilyName{"Δημητρίου", "Δημητρίου", "dimitriou"},
    FamilyName{"Αντωνίου", "Αντωνίου", "antoniou"},
    FamilyName{"Μακρής", "Μακρή", "makris"},
    FamilyName{"Καραγιάννης", "Καραγιάννη", "karagiannis"},
    FamilyName{"Παπαγεωργίου", "Παπαγεωργίου", "papageorgiou"},
    FamilyName{"Αλεξίου", "Αλεξίου", "alexiou"},
    FamilyName{"Μαυρίδης", "Μαυρίδου", "mavridis"},
    FamilyName{"Κυριακίδης", "Κυριακίδου", "kyriakidis"},
    FamilyName{"Λαμπράκης", "Λαμπράκη", "lamprakis"},
    FamilyName{"Σταθόπουλος", "Σταθοπούλου", "stathopoulos"},
    FamilyName{"Ζαχαρίου", "Ζαχαρίου", "zachariou"},
    FamilyName{"Πετρόπουλος", "Πετροπούλου", "petropoulos"},
    FamilyName{"Αθανασίου", "Αθανασίου", "athanasiou"},
    FamilyName{"Χριστοδούλου", "Χριστοδούλου", "christodoulou"},
    FamilyName{"Μιχαηλίδης", "Μιχαηλίδου", "michailidis"},
    FamilyName{"Αναγνώστου", "Αναγνώστου", "anagnostou"},
    FamilyName{"Τσακίρης", "Τσακίρη", "tsakiris"},
    FamilyName{"Σαββίδης", "Σαββίδου", "savvidis"},
    FamilyName{"Βλάχος", "Βλάχου", "vlachos"},
    FamilyName{"Ραφαηλίδης", "Ραφαηλίδου", "rafailidis"},
    FamilyName{"Μελετίου", "Μελετίου", "meletiou"},
    FamilyName{"Ξενάκης", "Ξενάκη", "xenakis"},
    FamilyName{"Φωτίου", "Φωτίου", "fotiou"},
    FamilyName{"Δρόσος", "Δρόσου", "drosos"},
    FamilyName{"Κατσαρός", "Κατσαρού", "katsaros"},
    FamilyName{"Μπαλτάς", "Μπαλτά", "baltas"},
    FamilyName{"Ηλιόπουλος", "Ηλιοπούλου", "iliopoulos"},
    FamilyName{"Τζιόλας", "Τζιόλα", "tziolas"},
    FamilyName{"Ευαγγέλου", "Ευαγγέλου", "evangelou"},
    FamilyName{"Χατζής", "Χατζή", "chatzis"},
    FamilyName{"Σιδηρόπουλος", "Σιδηροπούλου", "sidiropoulos"},
    FamilyName{"Ράλλης", "Ράλλη", "rallis"},
    FamilyName{"Ωραιόπουλος", "Ωραιοπούλου", "oraiopoulos"},
};

constexpr std::array kStreets = {
    "Πατησίων"sv,     "Αχαρνών"sv,       "Φωκίωνος Νέγρη"sv,
    "Κυψέλης"sv,      "Δροσοπούλου"sv,   "Αγίας Ζώνης"sv,
    "Ευελπίδων"sv,    "Σπετσών"sv,       "Ύδρας"sv,
    "Μιχαήλ Βόδα"sv,  "Λευκάδος"sv,      "Ιθάκης"sv,
    "Κεφαλληνίας"sv,  "Σκύρου"sv,        "Τήνου"sv,
    "Άνδρου"sv,       "Λέσβου"sv,        "Μαυρομιχάλη"sv,
    "Καλλιδρομίου"sv, "Θεμιστοκλέους"sv, "Λεωφόρος Αλεξάνδρας"sv,
    "Ηπείρου"sv,      "Σταυροπούλου"sv,  "Γαλατσίου"sv,
};

constexpr std::array kNeighbourhoods = {
    "Αίθουσα Βασιλείας"sv, "Κυψέλη"sv,      "Πατήσια"sv,          "Γκύζη"sv,
    "Αμπελόκηποι"sv,       "Κολωνός"sv,     "Σεπόλια"sv,          "Γαλάτσι"sv,
    "Νέα Φιλαδέλφεια"sv,   "Άνω Πατήσια"sv, "Πλατεία Αμερικής"sv, "Ελληνορώσων"sv,
};

constexpr std::array kCongregations = {
    "Αθήνα-Κυψέλη"sv, "Αθήνα-Πατήσια"sv, "Γαλάτσι"sv, "Νέα Φιλαδέλφεια"sv, "Αθήνα-Γκύζη"sv,
};

constexpr std::array kRemarks = {
    "Ασθενής όλο τον μήνα"sv,
    "Ταξίδι στο εξωτερικό"sv,
    "Βοηθητικός σκαπανέας (15 ώρες)"sv,
    "Εργασία σε βάρδιες"sv,
    "Νοσηλεία στο νοσοκομείο"sv,
    "Έκθεση μέσω του επισκόπου ομίλου"sv,
    "Σχολή σκαπανέων"sv,
    "Περιοδεία επισκόπου περιοχής"sv,
    "Έδωσε έκθεση καθυστερημένα"sv,
    "Μετακόμισε στην περιοχή μας"sv,
    "Βοήθεια σε έργο κατασκευής"sv,
    "Μαρτυρία σε δημόσιους χώρους"sv,
    "Πένθος στην οικογένεια"sv,
    "Επίσκεψη στο γραφείο τμήματος"sv,
};

constexpr std::array kNeeds = {
    "Χρήση αναπηρικού αμαξιδίου"sv,
    "Χρειάζεται μεταφορά στις συναθροίσεις"sv,
    "Προβλήματα ακοής - χρειάζεται ακουστικά"sv,
    "Διαβήτης - παίρνει ινσουλίνη"sv,
    "Χρειάζεται βοήθεια στα ψώνια"sv,
    "Κινητικά προβλήματα, μόνο ισόγειο"sv,
    "Αλλεργία στην πενικιλίνη"sv,
    "Προβλήματα όρασης - μεγάλα γράμματα"sv,
    "Οξυγόνο στο σπίτι"sv,
    "Καρδιοπάθεια - έχει βηματοδότη"sv,
    "Μένει μόνος/μόνη, χρειάζεται επισκέψεις"sv,
    "Φροντίζει ηλικιωμένο γονέα"sv,
};

constexpr std::array kRelations = {
    "Αδελφή"sv,   "Αδελφός"sv,  "Μητέρα"sv,
    "Πατέρας"sv,  "Γιος"sv,     "Κόρη"sv,
    "Ξάδελφος"sv, "Γείτονας"sv, "Φίλος της οικογένειας"sv,
    "Θεία"sv,
};

constexpr std::array kOtherContacts = {
    "Τηλέφωνο εξοχικού"sv, "Viber"sv, "Τηλέφωνο γραφείου"sv, "Φαξ"sv, "Τηλέφωνο κόρης"sv,
};

}  // namespace

std::span<const FirstName> maleFirstNames() {
    return kMale;
}
std::span<const FirstName> femaleFirstNames() {
    return kFemale;
}
std::span<const FamilyName> familyNames() {
    return kFamily;
}
std::span<const std::string_view> streets() {
    return kStreets;
}
std::span<const std::string_view> neighbourhoods() {
    return kNeighbourhoods;
}
std::span<const std::string_view> congregationNames() {
    return kCongregations;
}
std::span<const std::string_view> remarkTexts() {
    return kRemarks;
}
std::span<const std::string_view> specialNeedTexts() {
    return kNeeds;
}
std::span<const std::string_view> relationTexts() {
    return kRelations;
}
std::span<const std::string_view> otherContactTexts() {
    return kOtherContacts;
}

}  // namespace zelvo::demo
