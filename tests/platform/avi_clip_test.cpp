#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/avi_clip.h"
#include "platform/errors.h"
#include "support/test_build.h"

namespace kelvad {
namespace {

// Clips are built here byte by byte, the way a writer lays them out, so a
// reader that takes a field from the wrong place fails.
std::string U32(std::uint32_t v) { return {char(v), char(v >> 8), char(v >> 16), char(v >> 24)}; }
std::string Chunk(const std::string& id, const std::string& body) {
  return id + U32(static_cast<std::uint32_t>(body.size())) + body + std::string(body.size() % 2, '\0');
}
std::string List(const std::string& type, const std::string& body) { return Chunk("LIST", type + body); }
std::string Bytes(std::initializer_list<unsigned char> bytes) { return {bytes.begin(), bytes.end()}; }

const std::uint32_t K = 0xFF000000, R = 0xFFFF0000, G = 0xFF00FF00, B = 0xFF0000FF;
using Pixels = std::vector<std::uint32_t>;

struct ClipShape {
  std::int32_t width = 4, height = 2;
  std::uint32_t bits = 8, compression = 0, colours_used = 0;  // colours_used 0: the palette's size
  std::uint32_t microseconds = 50000, rate = 20;
  std::vector<std::uint32_t> palette = {K, R, G, B};
  std::vector<std::string> streams = {"vids"}, frames;
  bool grouped = false;  // frames in 'rec ' lists, after some padding
};

std::string Build(const ClipShape& s) {
  const auto frames = static_cast<std::uint32_t>(s.frames.size());
  const std::string zeros(20, '\0');
  std::string avih = U32(s.microseconds) + zeros.substr(0, 8) + U32(0x10) + U32(frames) + U32(0) +
                     U32(static_cast<std::uint32_t>(s.streams.size())) + U32(0) + U32(s.width) + U32(s.height) +
                     zeros.substr(0, 16);
  std::string colours, strls, movi;
  for (std::uint32_t c : s.palette) colours += U32(c & 0xFFFFFF);
  for (const std::string& type : s.streams) {
    std::string strh = type + zeros.substr(0, 16) + U32(1) + U32(s.rate) + U32(0) + U32(frames) + zeros;
    std::string strf = U32(40) + U32(s.width) + U32(s.height) + U32(1 | s.bits << 16) + U32(s.compression) +
                       zeros.substr(0, 12) +
                       U32(s.colours_used ? s.colours_used : static_cast<std::uint32_t>(s.palette.size())) + U32(0);
    strls += List("strl", Chunk("strh", strh) + Chunk("strf", strf + colours));
  }
  for (const std::string& frame : s.frames) {
    std::string c = Chunk(s.compression ? "00dc" : "00db", frame);
    movi += s.grouped ? Chunk("JUNK", "odd") + List("rec ", c) : c;
  }
  return Chunk("RIFF", "AVI " + List("hdrl", Chunk("avih", avih) + strls) + List("movi", movi) + Chunk("idx1", ""));
}

TEST(AviClip, UncompressedFramesAreBottomUpRowsPaddedToWords) {
  ClipShape s;
  s.width = 5, s.height = 2, s.microseconds = 66666;
  // The bottom row first; each row padded from 5 to 8 bytes.
  s.frames = {Bytes({1, 1, 1, 1, 1, 9, 9, 9, 0, 1, 2, 3, 0, 9, 9, 9}), "", std::string(16, '\3')};
  AviClip clip(Build(s));
  EXPECT_EQ(clip.microseconds_per_frame(), 66666u);
  EXPECT_EQ(clip.DecodeAll(), (std::vector<Pixels>{{K, R, G, B, K, R, R, R, R, R},
                                                   {K, R, G, B, K, R, R, R, R, R},  // empty: shown again
                                                   Pixels(10, B)}));
  // Palette entries beyond the file's are black; without a frame time in the
  // main header the stream's rate gives it.
  s = ClipShape();
  s.palette = {B}, s.microseconds = 0, s.rate = 8;
  s.frames = {Bytes({0, 5, 0, 0, 0, 0, 0, 0})};
  AviClip other(Build(s));
  EXPECT_EQ(other.microseconds_per_frame(), 125000u);
  EXPECT_EQ(other.DecodeAll()[0], (Pixels{B, B, B, B, B, K, B, B}));
}

// Each frame paints over the previous one, so the lazy decoder must start
// again from the first frame when it loops or goes back. The shipped clip is
// a small loop of such frames.
TEST(AviClip, Rle8FramesPaintOnlyWhatTheyCodeAndAreDecodedLazilyInALoop) {
  const std::string shipped = testing::HostBytes(std::string(KELVAD_TEST_DATA_DIR) + "/support/velmark.avi");
  EXPECT_LT(shipped.size(), 32u * 1024);
  EXPECT_EQ(AviClip(shipped).DecodeAll().size(), 24u);
  ClipShape s;
  s.compression = 1, s.width = 6, s.height = 3, s.grouped = true;
  s.frames = {
      // Bottom row: a run of six. Middle: an absolute block of three (padded
      // to a word), then end of line: the rest is entry 0. Top: two runs.
      // End of bitmap.
      Bytes({6, 1, 0, 0, 0, 3, 1, 2, 3, 0, 0, 0, 2, 2, 4, 3, 0, 1}),
      // Jump two right and one up, paint two; end of line; paint one at the
      // top row's start; end of bitmap: the rest stays.
      Bytes({0, 2, 2, 1, 2, 3, 0, 0, 1, 0, 0, 1}),
      // Ends without its end-of-bitmap mark, in the middle of the bottom row.
      Bytes({3, 2}),
  };
  AviClip clip(Build(s));
  const auto frames = clip.DecodeAll();
  EXPECT_EQ(frames, (std::vector<Pixels>{{G, G, B, B, B, B,  //
                                          R, G, B, K, K, K,  //
                                          R, R, R, R, R, R},
                                         {K, G, B, B, B, B,  //
                                          R, G, B, B, K, K,  //
                                          R, R, R, R, R, R},
                                         {K, G, B, B, B, B,  //
                                          R, G, B, B, K, K,  //
                                          G, G, G, R, R, R}}));
  AviFrameDecoder decoder(clip);
  for (int i = 0; i < 7; ++i) EXPECT_EQ(decoder.Next(), frames[i % 3]) << i;
  EXPECT_EQ(decoder.Frame(2), frames[2]);
  EXPECT_EQ(decoder.Frame(1), frames[1]);
  EXPECT_EQ(decoder.index(), 1);
  EXPECT_THROW(decoder.Frame(3), Error);
  EXPECT_THROW(decoder.Frame(-1), Error);
}

TEST(AviClip, RefusesWhatTheAnimationCannotPlayOrIsDamaged) {
  auto with = [](const std::function<void(ClipShape&)>& change) {
    ClipShape s;
    s.frames = {std::string(8, '\1')};
    change(s);
    return Build(s);
  };
  const std::string good = with([](ClipShape&) {});
  const size_t movi = good.find("movi");
  const std::pair<std::string, const char*> cases[] = {
      {with([](ClipShape& s) { s.bits = 16; }), "16-bit"},
      {with([](ClipShape& s) { s.compression = 2; }), "compressed with method 2"},
      {with([](ClipShape& s) { s.height = -2; }), "top-down"},
      {with([](ClipShape& s) { s.width = 0; }), "no pixels"},
      {with([](ClipShape& s) { s.width = 1025; }), "1025 x 2"},
      {with([](ClipShape& s) { s.streams = {"auds"}; }), "'auds'"},
      {with([](ClipShape& s) { s.streams = {"vids", "vids"}; }), "more than one stream"},
      {with([](ClipShape& s) { s.streams = {}; }), "no video stream"},
      {with([](ClipShape& s) { s.colours_used = 300; }), "300 colours"},
      {with([](ClipShape& s) { s.colours_used = 5; }), "palette is cut short"},
      {with([](ClipShape& s) { s.frames = {}; }), "no frames"},
      {with([](ClipShape& s) { s.frames = {std::string(7, '\0')}; }), "frame 1 is cut short"},
      {with([](ClipShape& s) { s.microseconds = 0, s.rate = 0; }), "no frame rate"},
      {with([](ClipShape& s) { s.frames.assign(kAviMaxFrames + 1, ""); }), "more than 10000 frames"},
      {"RIFF" + U32(4) + "WAVE", "not an AVI file"},
      {good.substr(0, good.size() - 1), "runs past the end of the file"},
      {"RIFF" + U32(1) + "AVI " + good.substr(12), "RIFF chunk is too short"},
      // The frame list's size grown past its holder's end.
      {good.substr(0, movi - 4) + U32(0x7FFF) + good.substr(movi), "runs past the end"},
  };
  for (const auto& [bytes, message] : cases) {
    const std::string error = testing::ErrorOf([&] { AviClip clip(bytes); });
    EXPECT_NE(error.find(message), std::string::npos) << message << ": " << error;
  }
}

TEST(AviClip, DamagedRle8FramesFailWhenDecodedAndTheDecoderStartsAgain) {
  const std::pair<std::string, std::string> frames[] = {
      {Bytes({5, 1}), "paints past the end of row 2"},
      {Bytes({0, 5, 1, 1, 1}), "ends inside an absolute run"},
      {Bytes({0, 2, 1}), "ends inside a delta"},
      {Bytes({0, 2, 5, 0}), "moves outside the picture"},
      {Bytes({0, 0, 0, 0, 1, 1}), "paints below its last row"},
  };
  for (const auto& [frame, message] : frames) {
    ClipShape s;
    s.compression = 1;
    s.frames = {Bytes({4, 2, 0, 0, 4, 2, 0, 1}), frame};
    AviClip clip(Build(s));
    AviFrameDecoder decoder(clip);
    decoder.Frame(0);
    const std::string error = testing::ErrorOf([&] { decoder.Frame(1); });
    EXPECT_NE(error.find("frame 2 " + message), std::string::npos) << error;
    EXPECT_EQ(decoder.Frame(0), Pixels(8, G)) << message;
    EXPECT_THROW(clip.DecodeAll(), Error) << message;
  }
}

TEST(AviClip, DecodingEveryFrameAtOnceIsBoundedButOneAtATimeIsNot) {
  ClipShape s;
  s.compression = 1, s.width = kAviMaxSide, s.height = kAviMaxSide;
  s.frames.assign(17, "");  // 17 x 4 MiB: more than DecodeAll may hold
  AviClip clip(Build(s));
  EXPECT_THROW(clip.DecodeAll(), Error);
  EXPECT_EQ(AviFrameDecoder(clip).Frame(16).size(), static_cast<size_t>(kAviMaxSide) * kAviMaxSide);
}

}  // namespace
}  // namespace kelvad
