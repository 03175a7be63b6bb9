// The menu and the icons, as both backends find them through the module handle: a wrong nesting
// or a malformed pixel row would only show on screen.
#include <gtest/gtest.h>

#include <string>

#include "platform/module.h"
#include "shell/resource_ids.h"
#include "shell/resources.h"

namespace {

const HINSTANCE module = CreateModuleInstance(&ProgramResources);

// One line per menu entry (depth, kind, text, command), so that a wrong nesting, a missing
// separator or a swapped item shows as a readable difference.
void Describe(std::span<const MenuEntryResource> entries, int depth, std::string& out) {
  for (const MenuEntryResource& e : entries) {
    out += std::to_string(depth);
    if (e.kind == MenuEntryKind::Separator) out += " separator\n";
    if (e.kind == MenuEntryKind::Item)
      out += std::string(" item ") + e.text + " " + std::to_string(e.command) + "\n";
    if (e.kind == MenuEntryKind::Popup) {
      out += std::string(" popup ") + e.text + "\n";
      Describe(e.children, depth + 1, out);
    }
  }
}

TEST(ShellResourcesTest, MenuBarHasEveryItemWithItsTextNestingAndCommand) {
  const MenuResource* menu = FindMenuResource(module, MAKEINTRESOURCEA(IDR_MAIN));
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
    const IconResource* icon = FindIconResource(module, MAKEINTRESOURCEA(id));
    ASSERT_TRUE(icon && icon->images.size() == 2) << id;
    for (int i : {0, 1}) {
      const std::string pixels = icon->images[i].pixels;  // size x size
      EXPECT_EQ(pixels.size(), static_cast<std::size_t>(icon->images[i].size * (32 >> i))) << id;
      EXPECT_EQ(pixels.find_first_not_of("0123456789ABCDEF."), std::string::npos) << id;
    }
  }
}

}  // namespace
