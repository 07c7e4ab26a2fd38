#include <gtest/gtest.h>
TEST(Garbage, Placeholder) {}
