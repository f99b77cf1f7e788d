#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace kelvad {

// The clips the welcome panel's animation plays: AVI files with one video
// stream of 8-bit palette frames, uncompressed or RLE8-compressed, and no
// sound. Anything else is refused with an Error that says why.
//
// Frames come out as 32-bit pixels 0xFFRRGGBB, rows top to bottom, which is
// QImage::Format_RGB32 (and Format_ARGB32) on any byte order:
//   QImage(reinterpret_cast<const uchar*>(pixels.data()), w, h, w * 4,
//          QImage::Format_RGB32).copy()

enum class AviCompression { kNone, kRle8 };

using AviPixels = std::vector<std::uint32_t>;

// Bounds that keep a hostile file from exhausting memory: a clip larger than
// these is refused when it is opened (the welcome clip is far smaller).
inline constexpr int kAviMaxSide = 1024;
inline constexpr int kAviMaxFrames = 10000;
// What DecodeAll may hold: 64 MiB of 32-bit pixels.
inline constexpr std::uint64_t kAviMaxDecodedBytes = 64ull << 20;

class AviClip {
 public:
  // Reads the headers and finds every frame; throws Error when the file is
  // not such a clip, or is damaged. Frames are decoded later.
  explicit AviClip(std::string bytes);

  int width() const { return width_; }
  int height() const { return height_; }
  // The display time of one frame.
  std::uint32_t microseconds_per_frame() const { return microseconds_per_frame_; }
  int frame_count() const { return static_cast<int>(frames_.size()); }
  AviCompression compression() const { return compression_; }
  // Entries beyond those the file gives are black.
  const std::array<std::uint32_t, 256>& palette() const { return palette_; }

  // Every frame at once; throws Error when a frame is damaged or the frames
  // would need more than kAviMaxDecodedBytes.
  std::vector<AviPixels> DecodeAll() const;

 private:
  friend class AviFrameDecoder;
  struct Span {
    size_t offset;
    size_t size;
  };
  std::string bytes_;
  std::vector<Span> frames_;
  int width_ = 0;
  int height_ = 0;
  std::uint32_t microseconds_per_frame_ = 0;
  AviCompression compression_ = AviCompression::kNone;
  std::array<std::uint32_t, 256> palette_{};
};

// Decodes a clip's frames lazily, holding one frame. An RLE8 frame only
// paints what changed since the frame before it, so frames are decoded in
// order: asking for an earlier frame starts again from the first one (which
// starts from a picture of palette entry 0). The clip must outlive the
// decoder.
class AviFrameDecoder {
 public:
  explicit AviFrameDecoder(const AviClip& clip);

  // The pixels of frame `index` (0 to frame_count - 1); throws Error when a
  // frame on the way is damaged, and then starts again from the first frame
  // at the next call.
  const AviPixels& Frame(int index);
  // The frame after the last one returned, wrapping to the first: a loop.
  const AviPixels& Next();
  // The frame Frame or Next returned last, -1 before the first call.
  int index() const { return index_; }

 private:
  void Apply(int index);
  const AviClip& clip_;
  std::vector<std::uint8_t> indices_;  // palette entries, bottom row first
  AviPixels pixels_;
  int index_ = -1;
};

}  // namespace kelvad
