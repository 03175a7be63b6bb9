#include "shell/resources.h"

#include "shell/icons.h"
#include "shell/resource_ids.h"

namespace {

constexpr WORD kJapanese = 1041;

constexpr MenuEntryResource Item(const char* text, int command) {
  return {MenuEntryKind::Item, text, static_cast<WORD>(command), {}};
}
constexpr MenuEntryResource Separator() { return {MenuEntryKind::Separator, nullptr, 0, {}}; }
constexpr MenuEntryResource Popup(const char* text, std::span<const MenuEntryResource> children) {
  return {MenuEntryKind::Popup, text, 0, children};
}

constexpr MenuEntryResource kSaveAsMenu[] = {
    Item("元データの保存", IDM_SAVE_DATA),
    Item("３Ｄアートの保存", IDM_SAVE_ART),
};

constexpr MenuEntryResource kFileMenu[] = {
    Item("開く(&O)", IDM_OPEN_DATA),
    Popup("名前を付けて保存(&A)", kSaveAsMenu),
    Separator(),
    Item("コピー", IDM_COPY_ART),
    Separator(),
    Item("ｱﾌﾟﾘｹｰｼｮﾝの終了(&X)", IDM_EXIT),
};

constexpr MenuEntryResource kHelpMenu[] = {
    Item("目次(&C)", IDM_HELP_CONTENTS),
    Item("ﾊﾞｰｼﾞｮﾝ情報(&A) ...", IDM_ABOUT),
};

constexpr MenuEntryResource kMenuBar[] = {
    Popup("ﾌｧｲﾙ(&F)", kFileMenu),
    Popup("ﾍﾙﾌﾟ(&H)", kHelpMenu),
};

constexpr MenuResource kMenus[] = {{static_cast<WORD>(IDR_MAIN), kMenuBar}};

// Character accelerators (no FVIRTKEY): the key is the character that Alt was held with, so
// "?" works whichever keyboard layout puts it on which key.
constexpr ACCEL kAccelerators[] = {
    {FALT, '?', static_cast<WORD>(IDM_ABOUT)},
    {FALT, '/', static_cast<WORD>(IDM_ABOUT)},
};

constexpr AcceleratorTableResource kAcceleratorTables[] = {
    {static_cast<WORD>(IDR_MAIN), kAccelerators}};

constexpr DialogControlResource kAboutControls[] = {
    {"STATIC", nullptr, static_cast<WORD>(IDI_MAIN_LARGE), WS_CHILD | WS_VISIBLE | SS_ICON, 9, 6,
     20, 20, IDC_ABOUT_ICON},
    {"STATIC", "Velmora Version 2.0", 0, WS_CHILD | WS_VISIBLE | WS_GROUP | SS_LEFT | SS_NOPREFIX,
     36, 7, 68, 8, -1},
    {"BUTTON", "OK", 0, WS_CHILD | WS_VISIBLE | WS_GROUP | WS_TABSTOP | BS_DEFPUSHBUTTON, 63, 32,
     30, 11, IDOK},
};

constexpr DialogResource kDialogs[] = {
    {static_cast<WORD>(IDD_ABOUT), DS_MODALFRAME | DS_SETFONT | WS_CAPTION | WS_SYSMENU, 0, 22, 17,
     112, 52, "ﾊﾞｰｼﾞｮﾝ情報", "ＭＳ Ｐゴシック", 12, kAboutControls},
};

constexpr StringResource kStrings[] = {
    {IDS_APP_TITLE, "Velmora2"},
    {IDS_HELLO, "Hello World!"},
    {IDR_MAIN, "VELMORA2"},
};

}  // namespace

const ModuleResources ProgramResources = {
    kJapanese, kMenus, kAcceleratorTables, kDialogs, kStrings, ProgramIcons,
};
