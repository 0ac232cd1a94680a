// GDI+ is started once for every drawing test; starting, stopping and loading the flat API.
// Uses the drawing layer and GoogleTest.
#include <gtest/gtest.h>

#include "draw/draw.h"
#include "draw/flat_api.h"

namespace {

class GdiplusEnvironment : public ::testing::Environment {
 public:
  void SetUp() override { token_ = gdiplus_start(); }
  void TearDown() override { gdiplus_stop(token_); }

 private:
  ULONG_PTR token_ = 0;
};

::testing::Environment* const environment =
    ::testing::AddGlobalTestEnvironment(new GdiplusEnvironment);

TEST(GdiplusSession, StartKeepsTokenAndStopClearsIt) {
  const ULONG_PTR token = gdiplus_start();
  ASSERT_NE(token, 0u);
  EXPECT_EQ(last_gdiplus_token, token);
  EXPECT_EQ(last_gdip_status, gdip::Ok);
  gdiplus_stop();
  EXPECT_EQ(last_gdiplus_token, 0u);
  // The environment's own start is still in force.
  DrawGraphicsPath path;
  EXPECT_TRUE(path.Create());
}

TEST(GdiplusSession, UnsupportedVersionGivesNoToken) {
  EXPECT_EQ(gdiplus_start(99), 0u);
  EXPECT_EQ(last_gdiplus_token, 0u);
  EXPECT_EQ(last_gdip_status, 17);  // UnsupportedGdiplusVersion
  gdiplus_stop(0);                  // nothing to stop: a no-op
}

TEST(FlatApi, MissingFunctionsFailInsteadOfCrashing) {
  EXPECT_NE(flat::proc("GdipCreatePath"), nullptr);
  EXPECT_EQ(flat::proc("GdipNoSuchFunction"), nullptr);
  int (WINAPI* missing)(void*) = nullptr;
  EXPECT_EQ(flat::call(missing, nullptr), gdip::NotImplemented);
  EXPECT_NE(flat::api().GdipDrawString, nullptr);
  EXPECT_NE(flat::api().GdipBitmapGetPixel, nullptr);
}

TEST(FlatApi, AllocAndFreeUseGdiplusMemory) {
  void* block = DrawObject::Alloc(60);
  ASSERT_NE(block, nullptr);
  DrawObject::Free(block);
  DrawObject::Free(nullptr);  // harmless
}

}  // namespace
