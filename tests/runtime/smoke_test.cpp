#include <gtest/gtest.h>
#include <windows.h>
TEST(Smoke, CodePage) { EXPECT_EQ(GetACP(), 936u); }
