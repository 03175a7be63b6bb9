#include "session.h"

#include <sys/stat.h>

#include "canvas/app_state.h"
#include "editor/cell_grid.h"
#include "platform/clock.h"
#include "platform/headless/headless.h"
#include "platform/headless/headless_file_dialogs.h"
#include "platform/headless/headless_windows.h"
#include "platform/kernel/replaced_files.h"
#include "platform/module.h"
#include "shell/resource_ids.h"
#include "shell/resources.h"
#include "shell/win_main.h"

namespace {

MSG Command(HWND main, int id, HWND control) {
  MSG msg{};
  msg.hwnd = main;
  msg.message = WM_COMMAND;
  msg.wParam = MAKEWPARAM(id, control ? BN_CLICKED : 0);
  msg.lParam = reinterpret_cast<LPARAM>(control);
  return msg;
}

bool GridHolds(const std::vector<unsigned char>& levels) {
  for (int row = 0; row < kGridRows; ++row)
    for (int column = 0; column < kGridColumns; ++column)
      if (ReadCellLevel(column, row) != levels[row * kGridColumns + column]) return false;
  return true;
}

// The user's steps, handed to the message loop one message at a time whenever it is idle.
// Checks of the program's state run between two messages.
class Player {
 public:
  Player(const RenderOptions& options, const std::vector<RenderJob>& jobs)
      : options_(options), jobs_(jobs), results_(jobs.size(), JobResult::NotLoaded) {
    const std::pair<bool, int> toggles[] = {{options.large, IDC_LARGE_SIZE},
                                            {options.bright, IDC_BRIGHT},
                                            {options.markersInside, IDC_MARKERS_INSIDE}};
    for (const auto& [wanted, id] : toggles)
      if (wanted) toggles_.push_back(id);
  }

  // The next message, or false when every job has had its turn (the backend then closes the
  // window as a user would; with the data just loaded there is nothing unsaved to ask about).
  bool Next(HWND main, MSG* msg) {
    for (;;) {
      switch (step_) {
        case Step::Toggle:
          if (toggled_ < toggles_.size()) {
            const int id = toggles_[toggled_++];
            *msg = Command(main, id, GetDlgItem(main, id));
            return true;
          }
          step_ = Step::Open;
          continue;
        case Step::Open:
          if (job_ >= jobs_.size() || !ChooserAnswersUsed()) return false;
          // Each chooser answer is scripted just before the command that asks for it, so that
          // a skipped job cannot leave an answer meant for one chooser to another.
          headless::ScriptFileChoice(jobs_[job_].input);
          ++choosersAnswered_;
          *msg = Command(main, IDM_OPEN_DATA, nullptr);
          step_ = Step::Render;
          return true;
        case Step::Render:
          if (!ChooserAnswersUsed()) return false;
          if (!ReadyToRender(main)) {
            Finish(JobResult::NotLoaded);
            continue;
          }
          *msg = Command(main, IDC_RENDER, GetDlgItem(main, IDC_RENDER));
          step_ = Step::Save;
          return true;
        case Step::Save:
          if (AppState.ViewMode != VIEW_ART) {
            Finish(JobResult::NotRendered);
            continue;
          }
          renamesBefore_ = kernel::ReplacedFileCount();
          outputExisted_ = Exists(jobs_[job_].output);
          headless::ScriptFileChoice(jobs_[job_].output);
          ++choosersAnswered_;
          *msg = Command(main, IDM_SAVE_ART, nullptr);
          step_ = Step::Collect;
          return true;
        case Step::Collect:
          // The save command renames at most one finished file into place: this job's picture.
          // A save to a free name never replaces a file made there meanwhile.
          if (kernel::ReplacedFileCount() > renamesBefore_ && ChooserAnswersUsed())
            Finish(JobResult::Written);
          else if (!outputExisted_ && Exists(jobs_[job_].output))
            Finish(JobResult::NameTaken);
          else
            Finish(JobResult::NotWritten);
          continue;
      }
    }
  }

  const std::vector<JobResult>& Results() const { return results_; }

 private:
  enum class Step { Toggle, Open, Render, Save, Collect };

  // Render only what was asked for: the job's grid, the options, the colour.
  bool ReadyToRender(HWND main) const {
    HWND list = GetDlgItem(main, IDC_DOT_COLOR);
    SendMessageA(list, CB_SETCURSEL, static_cast<WPARAM>(options_.dotColor), 0);
    return AppState.DataSaved == 1 && AppState.ViewMode == VIEW_EDIT &&
           GridHolds(jobs_[job_].levels) && AppState.LargeSize == options_.large &&
           AppState.Bright == options_.bright && AppState.MarkersInside == options_.markersInside &&
           SendMessageA(list, CB_GETCURSEL, 0, 0) == options_.dotColor;
  }

  // Every scripted answer has been taken by the chooser it was meant for. If one was not, the
  // next chooser would get it, so the session stops rather than save anywhere unintended.
  bool ChooserAnswersUsed() const {
    return headless::FileChooserCalls().size() == choosersAnswered_;
  }

  static bool Exists(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0;
  }

  void Finish(JobResult result) {
    results_[job_++] = result;
    step_ = Step::Open;
  }

  const RenderOptions& options_;
  const std::vector<RenderJob>& jobs_;
  std::vector<JobResult> results_;
  std::vector<int> toggles_;
  std::size_t toggled_ = 0;
  std::size_t job_ = 0;
  std::size_t choosersAnswered_ = 0;
  std::uint64_t renamesBefore_ = 0;
  bool outputExisted_ = false;
  Step step_ = Step::Toggle;
};

}  // namespace

std::vector<JobResult> RunRenderSession(const RenderOptions& options,
                                        const std::vector<RenderJob>& jobs) {
  headless::Reset();
  // One second for the whole run: the seed applies to every picture.
  SetFixedCalendarSeconds(options.seed ? *options.seed : CalendarSeconds32());
  Player player(options, jobs);
  headless::SetInputSource([&](MSG* msg) {
    HWND main = headless::FindTopLevel(MainClassName);
    return main && player.Next(main, msg);
  });
  char commandLine[] = "";
  WinMain(CreateModuleInstance(&ProgramResources), nullptr, commandLine, SW_SHOWDEFAULT);
  headless::SetInputSource(nullptr);
  return player.Results();
}
