// The menu and the icons, as both backends find them through the module handle: a wrong nesting
// or a malformed pixel row would only show on screen.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "platform/module.h"
#include "shell/resource_ids.h"
#include "shell/resources.h"

namespace {

HINSTANCE Module() {
  static HINSTANCE module = CreateModuleInstance(&ProgramResources);
  return module;
}

// One line per menu entry: depth, kind, text and command, so that a wrong nesting, a missing
// separator or a swapped item shows as a readable difference.
void Describe(std::span<const MenuEntryResource> entries, int depth, std::string& out) {
  for (const MenuEntryResource& e : entries) {
    out += std::to_string(depth) + " ";
    switch (e.kind) {
      case MenuEntryKind::Popup:
        out += std::string("popup ") + e.text + "\n";
        Describe(e.children, depth + 1, out);
        break;
      case MenuEntryKind::Item:
        out += std::string("item ") + e.text + " " + std::to_string(e.command) + "\n";
        break;
      case MenuEntryKind::Separator:
        out += "separator\n";
        break;
    }
  }
}

TEST(ShellResourcesTest, MenuBarHasEveryItemWithItsTextNestingAndCommand) {
  const MenuResource* menu = FindMenuResource(Module(), MAKEINTRESOURCEA(IDR_MAIN));
  ASSERT_NE(menu, nullptr);
  std::string described;
  Describe(menu->bar, 1, described);
  EXPECT_EQ(described,
            "1 popup ﾌｧｲﾙ(&F)\n"
            "2 item 開く(&O) 32771\n"
            "2 popup 名前を付けて保存(&A)\n"
            "3 item 元データの保存 32772\n"
            "3 item ３Ｄアートの保存 32773\n"
            "2 separator\n"
            "2 item コピー 32774\n"
            "2 separator\n"
            "2 item ｱﾌﾟﾘｹｰｼｮﾝの終了(&X) 105\n"
            "1 popup ﾍﾙﾌﾟ(&H)\n"
            "2 item 目次(&C) 32775\n"
            "2 item ﾊﾞｰｼﾞｮﾝ情報(&A) ... 104\n");
}

TEST(ShellResourcesTest, IconGroupsHoldA32AndA16PixelImageOfSixteenColours) {
  for (int id : {IDI_MAIN_LARGE, IDI_MAIN_SMALL}) {
    const IconResource* icon = FindIconResource(Module(), MAKEINTRESOURCEA(id));
    ASSERT_NE(icon, nullptr) << id;
    ASSERT_EQ(icon->images.size(), 2u);
    EXPECT_EQ(icon->images[0].size, 32);
    EXPECT_EQ(icon->images[1].size, 16);
    for (const IconImageResource& image : icon->images) {
      const std::size_t n = static_cast<std::size_t>(image.size) * image.size;
      ASSERT_EQ(std::strlen(image.pixels), n) << id << " " << image.size;
      for (std::size_t i = 0; i < n; ++i)
        ASSERT_TRUE(std::strchr("0123456789ABCDEF.", image.pixels[i]))
            << "pixel " << i << " of " << image.size;
    }
  }
}

}  // namespace
