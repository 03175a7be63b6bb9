// The icons, as both backends find them through the module handle: a malformed pixel row would
// only show on screen.
#include <gtest/gtest.h>

#include <string>

#include "platform/module.h"
#include "shell/resource_ids.h"
#include "shell/resources.h"

namespace {

const HINSTANCE module = CreateModuleInstance(&ProgramResources);

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
