#include "files/depth_data_file.h"

#include <vector>

#include "canvas/app_state.h"
#include "editor/cell_grid.h"
#include "editor/depth_colors.h"
#include "files/file_chooser.h"
#include "files/whole_file.h"

static_assert(kDepthDataBytes == kGridColumns * kGridRows);

int IsDepthData(const unsigned char* bytes, std::size_t count) {
  for (std::size_t i = 0; i < count; ++i)
    if (bytes[i] >= kDepthLevels) return 0;
  return 1;
}

int ChooseAndReadData(HWND owner, unsigned char* buffer, DWORD count) {
  std::vector<char> path(kPathBufferBytes);
  if (!RunFileChooser(owner, ChooserMode::Open, kReadDataChooser, path.data()))
    return kChooserCancelled;
  // A byte outside 0..7 has no colour; the file is refused as a whole, before anything is
  // painted, rather than painting part of a grid that was never saved by this program.
  if (!ReadWholeFile(path.data(), buffer, count) || !IsDepthData(buffer, count))
    return kTransferFailed;
  return kTransferDone;
}

int ChooseAndWriteData(HWND owner, const unsigned char* buffer, DWORD count) {
  std::vector<char> path(kPathBufferBytes);
  if (!RunFileChooser(owner, ChooserMode::Save, kWriteDataChooser, path.data()))
    return kChooserCancelled;
  AddExtensionIfNoDot(path.data(), path.size(), ".dat");
  return WriteWholeFile(path.data(), buffer, count) ? kTransferDone : kTransferFailed;
}

void OpenDepthData(HWND window) {
  unsigned char levels[kDepthDataBytes];
  if (ChooseAndReadData(window, levels, kDepthDataBytes) != kTransferDone) return;
  // Every cell, margins included; the grid lines lie outside the interiors and stay.
  for (int row = 0; row < kGridRows; ++row)
    for (int column = 0; column < kGridColumns; ++column)
      PaintCell(kCellSize * column, kCellSize * row, levels[row * kGridColumns + column]);
  ShowEditArea(window);
  AppState.DataSaved = 1;
  AppState.ViewMode = VIEW_EDIT;
}

void SaveDepthData(HWND window) {
  // The grid is read back before the chooser opens. A centre that holds no depth colour
  // (which painting never produces) saves as level 0, the colour of an unpainted cell.
  unsigned char levels[kDepthDataBytes];
  for (int row = 0; row < kGridRows; ++row)
    for (int column = 0; column < kGridColumns; ++column) {
      const int level = ReadCellLevel(column, row);
      levels[row * kGridColumns + column] =
          static_cast<unsigned char>(level == kNoLevel ? 0 : level);
    }
  if (ChooseAndWriteData(window, levels, kDepthDataBytes) == kTransferDone) AppState.DataSaved = 1;
}
