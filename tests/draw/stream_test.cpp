// HGlobalStream: byte buffers into streams on global memory and back.
// Uses the drawing layer's stream and GoogleTest.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "draw/hglobal_stream.h"

namespace {

std::string read_all(IStream* stream) {
  LARGE_INTEGER start = {};
  stream->Seek(start, STREAM_SEEK_SET, nullptr);
  std::string bytes;
  char piece[7];
  ULONG got = 0;
  while (SUCCEEDED(stream->Read(piece, sizeof piece, &got)) && got > 0) bytes.append(piece, got);
  return bytes;
}

struct BytesCase {
  const char* name;
  std::string bytes;
  size_t length;
  std::string expected;
};

TEST(HGlobalStream, BytesGoInAndComeBackOut) {
  const std::string binary("a\0b\0\xFF\x80", 6);
  const std::vector<BytesCase> cases = {
      {"zero bytes inside", binary, binary.size(), binary},
      {"length beyond the bytes is zero-filled", "abc", 6, std::string("abc\0\0\0", 6)},
      {"length short of the bytes cuts them", "abcdef", 3, "abc"},
      {"Chinese text", "宋体", 4, "宋体"},
      {"nothing", "", 0, ""},
  };
  for (const BytesCase& c : cases) {
    SCOPED_TRACE(c.name);
    HGlobalStream stream;
    IStream* made = stream.FromBytes(c.bytes, c.length);
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(stream.Stream(), made);
    EXPECT_NE(stream.HGlobal(), nullptr);
    EXPECT_EQ(stream.Size(), c.length);
    EXPECT_EQ(stream.ToBytes(), c.expected);
    EXPECT_EQ(read_all(made), c.expected);
  }
  HGlobalStream whole;
  ASSERT_NE(whole.FromBytes(binary), nullptr);
  EXPECT_EQ(whole.ToBytes(), binary) << "the length defaults to the byte count";
}

TEST(HGlobalStream, WrittenStreamGrowsAndReadsBack) {
  HGlobalStream stream;
  IStream* made = stream.FromBytes(std::string(), 0);
  ASSERT_NE(made, nullptr);
  const std::string text(3000, 'x');
  ULONG written = 0;
  ASSERT_EQ(made->Write(text.data(), static_cast<ULONG>(text.size()), &written), S_OK);
  EXPECT_EQ(stream.ToBytes(), text);
  EXPECT_GE(stream.Size(), text.size());
}

TEST(HGlobalStream, AttachTakesOverAStreamOnGlobalMemory) {
  IStream* foreign = nullptr;
  ASSERT_EQ(CreateStreamOnHGlobal(nullptr, FALSE, &foreign), S_OK);
  ULONG written = 0;
  foreign->Write("xyz", 3, &written);
  HGlobalStream stream;
  ASSERT_NE(stream.FromBytes("old"), nullptr);
  EXPECT_FALSE(stream.Attach(nullptr));
  EXPECT_EQ(stream.ToBytes(), "old") << "a failed attach keeps what was held";
  ASSERT_TRUE(stream.Attach(foreign));
  EXPECT_EQ(stream.Stream(), foreign);
  EXPECT_TRUE(stream.Attach(foreign)) << "attaching the held stream again changes nothing";
  EXPECT_EQ(stream.ToBytes(), "xyz");
  HGLOBAL block = nullptr;
  ASSERT_EQ(GetHGlobalFromStream(foreign, &block), S_OK);
  EXPECT_EQ(stream.HGlobal(), block);
}

TEST(HGlobalStream, ReleaseEmptiesItAndMovesHandOver) {
  HGlobalStream stream;
  stream.Release();  // nothing held: harmless
  ASSERT_NE(stream.FromBytes("abc"), nullptr);
  HGlobalStream moved(std::move(stream));
  EXPECT_EQ(stream.Stream(), nullptr);
  EXPECT_EQ(moved.ToBytes(), "abc");
  moved.Release();
  EXPECT_EQ(moved.Stream(), nullptr);
  EXPECT_EQ(moved.HGlobal(), nullptr);
  EXPECT_EQ(moved.Size(), 0u);
  EXPECT_EQ(moved.ToBytes(), "");
}

}  // namespace
