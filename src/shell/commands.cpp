#include "shell/commands.h"

#include "canvas/app_state.h"
#include "canvas/canvas.h"
#include "canvas/canvas_view.h"
#include "canvas/drawing.h"
#include "editor/cell_grid.h"
#include "files/bitmap_export.h"
#include "files/clipboard_copy.h"
#include "files/depth_data_file.h"
#include "render/stereogram.h"
#include "shell/about_dialog.h"
#include "shell/resource_ids.h"

namespace {

constexpr const char* kProgramTitle = "Velmora";

constexpr const char* kDiscardQuestion =
    "編集中の元データが保存されていません。\n"
    "保存されていないデータは消去します。\n"
    "よろしいですか？";

constexpr const char* kHelpNotice =
    "ヘルプファイルを必要とするほどの\n"
    "難しいプログラムではないので、準備しませんでした。\n"
    "（実は間に合わなかっただけです！）\n"
    "使い方などはドキュメントファイルをご覧ください。";

}  // namespace

bool ConfirmDiscard(HWND window) {
  if (AppState.DataSaved) return true;
  const int answer =
      MessageBoxA(window, kDiscardQuestion, kProgramTitle, MB_ICONQUESTION | MB_YESNO);
  // Only an explicit Yes discards: a box that could not be shown (0) must not cost the user
  // the grid.
  return answer == IDYES;
}

void ShowEditView(HWND window) {
  HDC surface = GetDC(window);
  ClearViewBackground(surface);
  CopyCanvasView(surface, 0, kEditAreaWidth, kEditAreaHeight);
  ReleaseDC(window, surface);
  AppState.ViewMode = VIEW_EDIT;
}

void ToggleOption(std::int32_t& flag, HWND checkBox) {
  flag = (flag + 1) % 2;
  SendMessageA(checkBox, BM_SETCHECK, flag ? BST_CHECKED : BST_UNCHECKED, 0);
}

void ShowHelpNotice(HWND window) {
  MessageBoxA(window, kHelpNotice, kProgramTitle, MB_ICONWARNING | MB_OK);
}

LRESULT HandleCommand(HWND window, WPARAM wParam, LPARAM lParam) {
  switch (LOWORD(wParam)) {
    case IDM_ABOUT:
      DialogBoxParamA(AppState.Instance, MAKEINTRESOURCEA(IDD_ABOUT), window, AboutDlgProc, 0);
      return 0;
    case IDM_EXIT:
      if (ConfirmDiscard(window)) DestroyWindow(window);
      return 0;
    case IDC_LARGE_SIZE:
      ToggleOption(AppState.LargeSize, AppState.LargeSizeBox);
      return 0;
    case IDC_BRIGHT:
      ToggleOption(AppState.Bright, AppState.BrightBox);
      return 0;
    case IDC_DOT_COLOR:
      // The renderer asks the list for its selection when it runs; a pick changes nothing now.
      return 0;
    case IDC_MARKERS_INSIDE:
      ToggleOption(AppState.MarkersInside, AppState.MarkersInsideBox);
      return 0;
    case IDC_RENDER:
      RenderStereogram(window);
      return 0;
    case IDC_EDIT_VIEW:
      ShowEditView(window);
      return 0;
    case IDM_OPEN_DATA:
      if (ConfirmDiscard(window)) OpenDepthData(window);
      return 0;
    case IDM_SAVE_DATA:
      SaveDepthData(window);
      return 0;
    case IDM_SAVE_ART: {
      // The picture region as the option stands now, not as it stood when the picture was
      // drawn.
      const PictureSize shown = ShownPictureSize(AppState.LargeSize);
      SaveArtBitmap(window, AppState.Canvas, 0, kArtTop, shown.width, shown.height);
      return 0;
    }
    case IDM_COPY_ART: {
      const PictureSize shown = ShownPictureSize(AppState.LargeSize);
      CopyArtToClipboard(window, AppState.Canvas, 0, kArtTop, shown.width, shown.height);
      return 0;
    }
    case IDM_HELP_CONTENTS:
      ShowHelpNotice(window);
      return 0;
    default:
      // The label's 203 lands here too: a static control sends no commands of its own.
      return DefWindowProcA(window, WM_COMMAND, wParam, lParam);
  }
}
