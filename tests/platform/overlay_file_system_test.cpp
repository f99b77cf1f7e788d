#include <gtest/gtest.h>

#include "platform/errors.h"
#include "platform/overlay_file_system.h"

namespace kelvad {
namespace {

TEST(OverlayFileSystem, ReadsThroughAndKeepsEveryChangeToItself) {
  MemoryFileSystem base;
  base.MakeDirectories("/c/Taken");
  base.Write("/c/Aleppo.dot", "template");
  OverlayFileSystem overlay(base);

  EXPECT_EQ(overlay.Read("/c/Aleppo.dot"), "template");
  EXPECT_THROW(overlay.MakeDirectory("/c/Taken"), Error);  // what tells a build its name is taken
  EXPECT_THROW(overlay.MakeDirectory("/c/New/Deeper"), Error);
  overlay.MakeDirectory("/c/New");
  overlay.Write("/c/New/b.txt", "b");
  overlay.Write("/c/New/a.txt", "a");
  overlay.Write("/c/New/b.txt", "b2");
  overlay.Replace("/c/New/c.txt", "c");
  overlay.Remove("/c/New/a.txt");
  overlay.Remove("/c/Aleppo.dot");

  EXPECT_EQ(overlay.Written(), (std::vector<std::string>{"/c/New/b.txt", "/c/New/c.txt"}));
  EXPECT_EQ(overlay.Read("/c/New/b.txt"), "b2");
  EXPECT_EQ(overlay.List("/c"), (std::vector<std::string>{"New", "Taken"}));
  EXPECT_EQ(overlay.Stat("/c/Aleppo.dot"), EntryKind::kNone);
  EXPECT_THROW(overlay.Write("/d/x.txt", "x"), Error);
  // The base saw nothing.
  EXPECT_EQ(base.Stat("/c/New"), EntryKind::kNone);
  EXPECT_EQ(base.Read("/c/Aleppo.dot"), "template");
}

}  // namespace
}  // namespace kelvad
