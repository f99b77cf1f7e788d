#include "platform/avi_clip.h"

#include <algorithm>
#include <cstring>
#include <string_view>

#include "platform/errors.h"

namespace kelvad {
namespace {

std::uint32_t U32(std::string_view bytes, size_t at) {
  std::uint32_t v = 0;
  for (int k = 3; k >= 0; --k) v = (v << 8) | static_cast<unsigned char>(bytes[at + k]);
  return v;
}

std::uint16_t U16(std::string_view bytes, size_t at) {
  return static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[at]) |
                                    (static_cast<unsigned char>(bytes[at + 1]) << 8));
}

std::int32_t I32(std::string_view bytes, size_t at) { return static_cast<std::int32_t>(U32(bytes, at)); }

// A four-character code as it can be shown in a message.
std::string Code(std::string_view four) {
  std::string out;
  for (char c : four) out += (c >= 0x20 && c < 0x7F) ? c : '?';
  return "'" + out + "'";
}

// Visits the chunks between `begin` and `end` of the file. A chunk whose
// size runs past the end of what holds it is an error, except for the pad
// byte of the file's last chunk, which writers often leave out.
template <typename Visit>
void EachChunk(std::string_view file, size_t begin, size_t end, std::string_view holder, Visit visit) {
  size_t pos = begin;
  while (pos < end && end - pos >= 8) {
    std::string_view id = file.substr(pos, 4);
    size_t size = U32(file, pos + 4);
    size_t data = pos + 8;
    if (size > end - data) {
      throw Error("The clip is damaged: its chunk " + Code(id) + " at byte " + std::to_string(pos) +
                  " runs past the end of " + std::string(holder) + ".");
    }
    visit(id, data, size);
    pos = data + size;
    if (size % 2 == 1 && pos < end) ++pos;
  }
}

bool IsList(std::string_view id, size_t size) { return id == "LIST" && size >= 4; }

}  // namespace

AviClip::AviClip(std::string bytes) : bytes_(std::move(bytes)) {
  const std::string_view file = bytes_;
  if (file.size() < 12 || file.substr(0, 4) != "RIFF" || file.substr(8, 4) != "AVI ") {
    throw Error("The clip is not an AVI file.");
  }
  // Whatever may follow the RIFF chunk (an extension of it) is not read.
  const size_t riff_size = U32(file, 4);
  if (riff_size > file.size() - 8) throw Error("The clip is damaged: its RIFF chunk runs past the end of the file.");
  if (riff_size < 4) throw Error("The clip is damaged: its RIFF chunk is too short.");
  const size_t riff_end = 8 + riff_size;

  bool have_header = false, have_format = false, have_movi = false;
  int streams = 0;
  std::uint32_t avih_microseconds = 0, scale = 0, rate = 0;
  std::uint32_t colours_used = 0;
  std::int32_t width = 0, height = 0;
  std::uint16_t bit_count = 0;
  std::uint32_t compression = 0;
  size_t palette_at = 0, palette_bytes = 0;

  auto read_stream = [&](size_t begin, size_t end) {
    ++streams;
    bool have_stream_header = false;
    EachChunk(file, begin, end, "its stream list", [&](std::string_view id, size_t data, size_t size) {
      if (id == "strh") {
        if (size < 36) throw Error("The clip is damaged: its stream header is too short.");
        std::string_view type = file.substr(data, 4);
        if (type != "vids") {
          throw Error("The clip holds a stream of type " + Code(type) +
                      "; only a clip of one video stream, without sound, can be played.");
        }
        scale = U32(file, data + 20);
        rate = U32(file, data + 24);
        have_stream_header = true;
      } else if (id == "strf") {
        if (size < 40) throw Error("The clip is damaged: its frame format is too short.");
        std::uint32_t header_size = U32(file, data);
        if (header_size < 40 || header_size > size) {
          throw Error("The clip is damaged: its frame format gives a header size of " +
                      std::to_string(header_size) + " bytes.");
        }
        width = I32(file, data + 4);
        height = I32(file, data + 8);
        bit_count = U16(file, data + 14);
        compression = U32(file, data + 16);
        colours_used = U32(file, data + 32);
        palette_at = data + header_size;
        palette_bytes = size - header_size;
        have_format = true;
      }
    });
    if (!have_stream_header) throw Error("The clip is damaged: its stream has no header.");
  };

  EachChunk(file, 12, riff_end, "the RIFF chunk", [&](std::string_view id, size_t data, size_t size) {
    if (!IsList(id, size)) return;
    std::string_view type = file.substr(data, 4);
    if (type == "hdrl") {
      EachChunk(file, data + 4, data + size, "the header list", [&](std::string_view id2, size_t d2, size_t s2) {
        if (id2 == "avih") {
          if (s2 < 40) throw Error("The clip is damaged: its main header is too short.");
          avih_microseconds = U32(file, d2);
          have_header = true;
        } else if (IsList(id2, s2) && file.substr(d2, 4) == "strl") {
          if (streams > 0) {
            throw Error("The clip holds more than one stream; only a clip of one video stream, without sound, "
                        "can be played.");
          }
          read_stream(d2 + 4, d2 + s2);
        }
      });
    } else if (type == "movi" && !have_movi) {
      have_movi = true;
      // Frames may be grouped in 'rec ' lists; nothing nests deeper.
      auto frame = [&](std::string_view id2, size_t d2, size_t s2) {
        if (id2 != "00db" && id2 != "00dc") return;  // palette changes, padding
        if (frames_.size() == static_cast<size_t>(kAviMaxFrames)) {
          throw Error("The clip has more than " + std::to_string(kAviMaxFrames) + " frames.");
        }
        frames_.push_back({d2, s2});
      };
      EachChunk(file, data + 4, data + size, "the frame list", [&](std::string_view id2, size_t d2, size_t s2) {
        if (IsList(id2, s2) && file.substr(d2, 4) == "rec ") {
          EachChunk(file, d2 + 4, d2 + s2, "a frame group", frame);
        } else {
          frame(id2, d2, s2);
        }
      });
    }
  });

  if (!have_header) throw Error("The clip is damaged: it has no main header.");
  if (streams == 0 || !have_format) throw Error("The clip is damaged: it has no video stream format.");
  if (!have_movi) throw Error("The clip is damaged: it has no frame list.");
  if (bit_count != 8) {
    throw Error("The clip has " + std::to_string(bit_count) +
                "-bit frames; only 8-bit palette frames can be played.");
  }
  if (compression == 0) {
    compression_ = AviCompression::kNone;
  } else if (compression == 1) {
    compression_ = AviCompression::kRle8;
  } else {
    throw Error("The clip's frames are compressed with method " + std::to_string(compression) +
                "; only uncompressed and RLE8 frames can be played.");
  }
  if (height < 0) throw Error("The clip's frames are stored top-down; only bottom-up frames can be played.");
  if (width <= 0 || height <= 0) throw Error("The clip's frames have no pixels.");
  if (width > kAviMaxSide || height > kAviMaxSide) {
    throw Error("The clip's frames are " + std::to_string(width) + " x " + std::to_string(height) +
                " pixels; at most " + std::to_string(kAviMaxSide) + " a side can be played.");
  }
  width_ = width;
  height_ = height;

  size_t colours = colours_used == 0 ? 256 : colours_used;
  if (colours > 256) throw Error("The clip's palette has " + std::to_string(colours) + " colours; 8-bit frames have 256.");
  if (palette_bytes < colours * 4) throw Error("The clip is damaged: its palette is cut short.");
  for (size_t i = 0; i < colours; ++i) {
    size_t at = palette_at + 4 * i;  // blue, green, red, unused
    palette_[i] = 0xFF000000u | (static_cast<std::uint32_t>(static_cast<unsigned char>(file[at + 2])) << 16) |
                  (static_cast<std::uint32_t>(static_cast<unsigned char>(file[at + 1])) << 8) |
                  static_cast<unsigned char>(file[at]);
  }
  for (size_t i = colours; i < palette_.size(); ++i) palette_[i] = 0xFF000000u;

  microseconds_per_frame_ = avih_microseconds;
  if (microseconds_per_frame_ == 0 && rate != 0) {
    microseconds_per_frame_ = static_cast<std::uint32_t>(
        std::min<std::uint64_t>(1000000ull * scale / rate, UINT32_MAX));
  }
  if (microseconds_per_frame_ == 0) throw Error("The clip gives no frame rate.");

  if (frames_.empty()) throw Error("The clip has no frames.");
  if (compression_ == AviCompression::kNone) {
    const size_t frame_bytes = ((static_cast<size_t>(width_) + 3) / 4) * 4 * height_;
    for (size_t i = 0; i < frames_.size(); ++i) {
      // An empty frame repeats the one before it.
      if (frames_[i].size != 0 && frames_[i].size < frame_bytes) {
        throw Error("The clip is damaged: frame " + std::to_string(i + 1) + " is cut short.");
      }
    }
  }
}

std::vector<AviPixels> AviClip::DecodeAll() const {
  const std::uint64_t frame_bytes = 4ull * width_ * height_;
  if (frame_bytes * frames_.size() > kAviMaxDecodedBytes) {
    throw Error("The clip's " + std::to_string(frames_.size()) + " frames need more than " +
                std::to_string(kAviMaxDecodedBytes >> 20) + " MiB once decoded.");
  }
  std::vector<AviPixels> out;
  out.reserve(frames_.size());
  AviFrameDecoder decoder(*this);
  for (int i = 0; i < frame_count(); ++i) out.push_back(decoder.Frame(i));
  return out;
}

AviFrameDecoder::AviFrameDecoder(const AviClip& clip)
    : clip_(clip),
      indices_(static_cast<size_t>(clip.width_) * clip.height_),
      pixels_(indices_.size()) {}

const AviPixels& AviFrameDecoder::Frame(int index) {
  if (index < 0 || index >= clip_.frame_count()) {
    throw Error("The clip has no frame " + std::to_string(index + 1) + ".");
  }
  if (index == index_) return pixels_;
  int from = index_ + 1;
  if (index < index_ || index_ < 0) {
    std::fill(indices_.begin(), indices_.end(), 0);
    from = 0;
  }
  try {
    for (int i = from; i <= index; ++i) {
      index_ = i;
      Apply(i);
    }
  } catch (const Error&) {
    index_ = -1;
    throw;
  }
  const size_t w = clip_.width_, h = clip_.height_;
  for (size_t y = 0; y < h; ++y) {
    const std::uint8_t* row = &indices_[y * w];
    std::uint32_t* out = &pixels_[(h - 1 - y) * w];
    for (size_t x = 0; x < w; ++x) out[x] = clip_.palette_[row[x]];
  }
  return pixels_;
}

const AviPixels& AviFrameDecoder::Next() { return Frame(index_ + 1 < clip_.frame_count() ? index_ + 1 : 0); }

void AviFrameDecoder::Apply(int index) {
  const AviClip::Span span = clip_.frames_[index];
  if (span.size == 0) return;
  const auto* data = reinterpret_cast<const std::uint8_t*>(clip_.bytes_.data()) + span.offset;
  const size_t w = clip_.width_, h = clip_.height_;

  if (clip_.compression_ == AviCompression::kNone) {
    const size_t stride = (w + 3) / 4 * 4;
    for (size_t y = 0; y < h; ++y) std::memcpy(&indices_[y * w], data + y * stride, w);
    return;
  }

  auto damaged = [&](const std::string& what) {
    return Error("The clip is damaged: frame " + std::to_string(index + 1) + " " + what + ".");
  };
  // Runs and absolute blocks paint over the previous frame; what they skip
  // (end of line, deltas, an early end) keeps the previous frame's pixels.
  size_t x = 0, y = 0, i = 0;
  const size_t n = span.size;
  auto room = [&](size_t count) {
    if (y >= h) throw damaged("paints below its last row");
    if (count > w - x) throw damaged("paints past the end of row " + std::to_string(h - y));
  };
  while (n - i >= 2) {
    const std::uint8_t count = data[i], value = data[i + 1];
    i += 2;
    if (count > 0) {
      room(count);
      std::memset(&indices_[y * w + x], value, count);
      x += count;
    } else if (value == 0) {  // end of line
      x = 0;
      ++y;
    } else if (value == 1) {  // end of bitmap
      return;
    } else if (value == 2) {  // move right and up
      if (n - i < 2) throw damaged("ends inside a delta");
      x += data[i];
      y += data[i + 1];
      i += 2;
      if (x > w || y > h) throw damaged("moves outside the picture");
    } else {  // `value` pixels as they are, padded to a whole word
      if (n - i < value) throw damaged("ends inside an absolute run");
      room(value);
      std::memcpy(&indices_[y * w + x], data + i, value);
      x += value;
      i += value + (value & 1);
    }
  }
}

}  // namespace kelvad
