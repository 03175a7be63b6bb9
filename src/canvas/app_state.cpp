#include "canvas/app_state.h"

AppStateRecord AppState;

void SetInitialAppState() {
  AppState.FirstPaintDone = 0;
  AppState.ViewMode = VIEW_EDIT;
  AppState.DataSaved = 1;
  AppState.LeftColor = 1;
  AppState.RightColor = 2;
  AppState.LeftDown = 0;
  AppState.RightDown = 0;
  AppState.LargeSize = 0;
  AppState.Bright = 0;
  AppState.MarkersInside = 0;
}
