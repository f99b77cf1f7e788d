// Any bytes given as a clip are refused with an Error or decoded within
// bounds, whichever way the wizard asks for the frames.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/avi_clip.h"
#include "platform/errors.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  try {
    const kelvad::AviClip clip(std::string(reinterpret_cast<const char*>(data), size));
    const int frames = clip.frame_count();
    kelvad::AviFrameDecoder decoder(clip);
    // Round the loop and a little further, then back to the middle.
    for (int i = 0; i <= std::min(frames, 40); ++i) decoder.Next();
    decoder.Frame(frames / 2);
    if (static_cast<std::uint64_t>(clip.width()) * clip.height() * frames <= (1u << 20)) {
      auto all = clip.DecodeAll();
      if (all.size() != static_cast<std::size_t>(frames) || decoder.Frame(frames - 1) != all.back()) __builtin_trap();
    }
  } catch (const kelvad::Error&) {
  }
  return 0;
}
