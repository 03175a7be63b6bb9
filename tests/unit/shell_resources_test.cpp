// The resources the program carries, as both backends find them through the module handle.
#include <gtest/gtest.h>

#include <array>
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

TEST(ShellResourcesTest, BothAcceleratorsAreAltCharactersForAbout) {
  const AcceleratorTableResource* table =
      FindAcceleratorResource(Module(), MAKEINTRESOURCEA(IDR_MAIN));
  ASSERT_NE(table, nullptr);
  ASSERT_EQ(table->entries.size(), 2u);
  EXPECT_EQ(table->entries[0].key, 63);
  EXPECT_EQ(table->entries[1].key, 47);
  for (const ACCEL& a : table->entries) {
    EXPECT_EQ(a.fVirt, FALT);  // a character, not a virtual key
    EXPECT_EQ(a.cmd, IDM_ABOUT);
  }
}

TEST(ShellResourcesTest, AboutTemplateHasItsFrameFontAndThreeControls) {
  const DialogResource* d = FindDialogResource(Module(), MAKEINTRESOURCEA(IDD_ABOUT));
  ASSERT_NE(d, nullptr);
  EXPECT_EQ(d->style, 0x00C800C0u);
  EXPECT_EQ(d->exStyle, 0u);
  EXPECT_EQ((std::array<int, 4>{d->x, d->y, d->width, d->height}),
            (std::array<int, 4>{22, 17, 112, 52}));
  EXPECT_STREQ(d->title, "ﾊﾞｰｼﾞｮﾝ情報");
  EXPECT_STREQ(d->fontFace, "ＭＳ Ｐゴシック");
  EXPECT_EQ(d->fontPoints, 12);
  ASSERT_EQ(d->controls.size(), 3u);

  const DialogControlResource& icon = d->controls[0];
  EXPECT_STREQ(icon.className, "STATIC");
  EXPECT_EQ(icon.iconId, IDI_MAIN_LARGE);
  EXPECT_EQ(icon.style, 0x50000003u);
  EXPECT_EQ((std::array<int, 5>{icon.x, icon.y, icon.width, icon.height, icon.id}),
            (std::array<int, 5>{9, 6, 20, 20, 131}));

  const DialogControlResource& text = d->controls[1];
  EXPECT_STREQ(text.className, "STATIC");
  EXPECT_STREQ(text.text, "Velmora Version 2.0");
  EXPECT_EQ(text.style, 0x50020080u);
  EXPECT_EQ((std::array<int, 5>{text.x, text.y, text.width, text.height, text.id}),
            (std::array<int, 5>{36, 7, 68, 8, -1}));

  const DialogControlResource& ok = d->controls[2];
  EXPECT_STREQ(ok.className, "BUTTON");
  EXPECT_STREQ(ok.text, "OK");
  EXPECT_EQ(ok.style, 0x50030001u);
  EXPECT_EQ((std::array<int, 5>{ok.x, ok.y, ok.width, ok.height, ok.id}),
            (std::array<int, 5>{63, 32, 30, 11, IDOK}));
}

TEST(ShellResourcesTest, StringTableAndClassNameString) {
  EXPECT_STREQ(FindStringResource(Module(), 103), "Velmora2");
  EXPECT_STREQ(FindStringResource(Module(), 106), "Hello World!");
  EXPECT_STREQ(FindStringResource(Module(), 109), "VELMORA2");
  EXPECT_EQ(FindStringResource(Module(), 110), nullptr);
  EXPECT_EQ(ProgramResources.language, 1041);
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
