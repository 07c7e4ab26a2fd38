#include "shell/save_status.h"

#include <gtest/gtest.h>

namespace zelvo::shell {
namespace {

SaveResult failed(std::vector<std::string> files) {
    return {false, std::move(files)};
}

TEST(SaveStatus, ASaveThatWroteEverythingSaysWhenToTheMinute) {
    EXPECT_EQ(saveStatusText(SaveResult{}, {14, 5}), "Αποθηκεύτηκε στις 14:05");
    EXPECT_EQ(saveStatusText(SaveResult{}, {0, 0}), "Αποθηκεύτηκε στις 00:00");
    EXPECT_EQ(saveStatusText(SaveResult{}, {9, 59}), "Αποθηκεύτηκε στις 09:59");
    EXPECT_EQ(saveStatusText(SaveResult{}, {23, 10}), "Αποθηκεύτηκε στις 23:10");
}

TEST(SaveStatus, AFailedSaveNamesItsFirstFileAndCountsTheOthers) {
    EXPECT_EQ(saveStatusText(failed({"/data/cong/meetin9.dat"}), {14, 5}),
              "Η αποθήκευση απέτυχε: meetin9.dat");
    EXPECT_EQ(saveStatusText(failed({"/data/cong/meetin9.dat", "/data/cong/zelvog.ini"}), {}),
              "Η αποθήκευση απέτυχε: meetin9.dat και 1 ακόμη");
    EXPECT_EQ(saveStatusText(failed({"/d/zdat9.bin", "/d/zlt15.dat", "/d/meetin9.dat"}), {}),
              "Η αποθήκευση απέτυχε: zdat9.bin και 2 ακόμη");
    // A file met twice is counted once; a failure never reads as a save.
    EXPECT_EQ(saveStatusText(failed({"/d/zelvog.ini", "/d/zelvog.ini"}), {}),
              "Η αποθήκευση απέτυχε: zelvog.ini");
    EXPECT_EQ(saveStatusText(failed({}), {14, 5}), "Η αποθήκευση απέτυχε");
}

}  // namespace
}  // namespace zelvo::shell
