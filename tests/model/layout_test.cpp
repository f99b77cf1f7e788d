#include <gtest/gtest.h>

#include "model/layout.h"

namespace kelvad {
namespace {

// The include folder is shared: the engine going leaves it to the GUI's
// headers. Toggling twice, or removing what is not there, is harmless.
TEST(LayoutPreview, TogglesShareTheIncludeFolderAndIgnoreRepeats) {
  LayoutPreview preview;
  RefreshLayoutPreview(preview, Settings{});
  EXPECT_EQ(preview.device.Find("F2")->text, "ProjectX.AIF");
  auto texts = [&](const char* parent) {
    std::vector<std::string> out;
    for (auto& key : preview.pc.Children(parent)) out.push_back(preview.pc.Find(key)->text);
    return out;
  };
  ShowEngineInPreview(preview, true);
  ShowEngineInPreview(preview, true);
  EXPECT_EQ(texts("PRJ"), (std::vector<std::string>{"engine", "include"}));
  ShowEngineInPreview(preview, false);
  ShowGuiInPreview(preview, true);
  EXPECT_EQ(texts("INC"), (std::vector<std::string>{"doc.h", "app.h", "appui.h", "appview.h"}));
  EXPECT_EQ(texts("GUI"), (std::vector<std::string>{"doc.cpp", "app.cpp", "appui.cpp", "appview.cpp", "main.cpp"}));
  ShowGuiInPreview(preview, false);
  ShowGuiInPreview(preview, false);
  ShowTextUiInPreview(preview, false, false);
  ShowTextUiInPreview(preview, true, true);
  EXPECT_EQ(texts("PRJ"), (std::vector<std::string>{"include", "tui"}));
}

}  // namespace
}  // namespace kelvad
