// Headless backend, modal dialogs. See headless_dialogs.h for what it stands in for.
#include <memory>

#include "platform/headless/headless.h"
#include "platform/headless/headless_controls.h"
#include "platform/headless/headless_dialogs.h"
#include "platform/headless/headless_windows.h"
#include "platform/headless/scripted_answers.h"

namespace headless {
namespace {

constexpr const char* kDialogClass = "#32770";

struct OpenEntry {
  std::size_t call;  // index into calls
  HWND dialog = nullptr;
  DLGPROC proc = nullptr;
  bool ended = false;
  INT_PTR result = 0;
};

struct State {
  std::vector<DialogCall> calls;
  std::vector<std::unique_ptr<OpenEntry>> open;
  ScriptedAnswers<DialogAction, DialogCall> actions;
};

State& S() {
  static State state;
  return state;
}

const bool registered = (OnReset([] { S() = State(); }), true);

OpenEntry* EntryOf(HWND dialog) {
  for (auto& entry : S().open)
    if (entry->dialog == dialog) return entry.get();
  return nullptr;
}

// Dialog units to pixels for a font with a 6 x 12 character cell.
int PixelsX(int units) { return units * 6 / 4; }
int PixelsY(int units) { return units * 12 / 8; }

LRESULT CALLBACK DialogWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  OpenEntry* entry = EntryOf(hwnd);
  if (!entry) return 0;  // during creation: the procedure is not attached yet
  const INT_PTR handled = entry->proc(hwnd, msg, wParam, lParam);
  if (handled) return handled;
  // The default dialog handling.
  if (msg == WM_CLOSE)
    SendMessageA(hwnd, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(hwnd, IDCANCEL)));
  if (msg == WM_PAINT) {
    PAINTSTRUCT ps;
    BeginPaint(hwnd, &ps);
    EndPaint(hwnd, &ps);
  }
  return 0;
}

void RegisterDialogClass() {
  if (RegisteredClass(kDialogClass)) return;
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = DialogWindowProc;
  wc.lpszClassName = kDialogClass;
  RegisterClassExA(&wc);
}

HWND DefaultButton(HWND dialog) {
  for (HWND child : Children(dialog)) {
    const Window* w = ToWindow(child);
    if (w->className == "BUTTON" && (w->style & 0x0F) == BS_DEFPUSHBUTTON) return child;
  }
  return nullptr;
}

void Perform(HWND dialog, DialogAction action) {
  switch (action) {
    case DialogAction::OkButton:
      if (HWND ok = GetDlgItem(dialog, IDOK)) {
        ClickControl(ok);
      } else {
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
      }
      break;
    case DialogAction::Enter: {
      HWND button = DefaultButton(dialog);
      const int id = button ? ToWindow(button)->id : IDOK;
      SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                   reinterpret_cast<LPARAM>(button));
      break;
    }
    case DialogAction::Escape:
      SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                   reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDCANCEL)));
      break;
    case DialogAction::CloseBox:
      SendMessageA(dialog, WM_CLOSE, 0, 0);
      break;
  }
}

DialogAction NextAction(const DialogCall& call) {
  return S().actions.Next(call, DialogAction::Escape);
}

}  // namespace

const std::vector<DialogCall>& DialogCalls() { return S().calls; }

void SetDialogResponder(std::function<DialogAction(const DialogCall&)> responder) {
  S().actions.SetResponder(std::move(responder));
}

}  // namespace headless

using namespace headless;

INT_PTR WINAPI DialogBoxParamA(HINSTANCE instance, LPCSTR templateName, HWND owner,
                               DLGPROC dialogProc, LPARAM initParam) {
  (void)registered;
  DialogCall call{};
  call.instance = instance;
  call.templateId = IS_INTRESOURCE(templateName)
                        ? static_cast<WORD>(reinterpret_cast<UINT_PTR>(templateName))
                        : 0;
  call.owner = owner;
  call.initParam = initParam;
  call.resource = FindDialogResource(instance, templateName);
  call.result = -1;
  const std::size_t index = S().calls.size();
  S().calls.push_back(call);
  const DialogResource* t = call.resource;
  if (!t || !dialogProc) return -1;

  DialogCall& record = S().calls[index];
  record.title = t->title ? t->title : "";
  record.style = t->style;
  record.x = t->x;
  record.y = t->y;
  record.width = t->width;
  record.height = t->height;
  record.fontFace = t->fontFace ? t->fontFace : "";
  record.fontPoints = t->fontPoints;
  for (const DialogControlResource& c : t->controls)
    record.controls.push_back(
        {c.className, c.text ? c.text : "", c.iconId, c.style, c.x, c.y, c.width, c.height, c.id});

  RegisterDialogClass();
  HWND dialog =
      CreateWindowExA(t->exStyle, kDialogClass, t->title, t->style, PixelsX(t->x), PixelsY(t->y),
                      PixelsX(t->width), PixelsY(t->height), owner, nullptr, instance, nullptr);
  if (!dialog) return -1;
  S().calls[index].dialog = dialog;
  for (const DialogControlResource& c : t->controls) {
    const char* text = c.text;
    if (!text && c.iconId) text = "";
    CreateWindowExA(0, c.className, text, c.style, PixelsX(c.x), PixelsY(c.y), PixelsX(c.width),
                    PixelsY(c.height), dialog,
                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(static_cast<WORD>(c.id))),
                    instance, nullptr);
  }
  ShowWindow(dialog, SW_SHOWNORMAL);

  auto entry = std::make_unique<OpenEntry>();
  entry->call = index;
  entry->dialog = dialog;
  entry->proc = dialogProc;
  OpenEntry* open = entry.get();
  S().open.push_back(std::move(entry));

  S().calls[index].initResult = SendMessageA(
      dialog, WM_INITDIALOG, reinterpret_cast<WPARAM>(DefaultButton(dialog)), initParam);
  while (!open->ended) {
    if (S().calls[index].actions.size() >= static_cast<std::size_t>(kMaxDialogActions)) {
      S().calls[index].abandoned = true;
      open->result = -1;
      break;
    }
    DeliverModalMessages();
    const DialogAction action = NextAction(S().calls[index]);
    S().calls[index].actions.push_back(action);
    Perform(dialog, action);
  }
  const INT_PTR result = open->result;
  DestroyWindow(dialog);
  S().open.pop_back();
  S().calls[index].result = result;
  DeliverModalMessages();
  return result;
}

BOOL WINAPI EndDialog(HWND dialog, INT_PTR result) {
  OpenEntry* entry = EntryOf(dialog);
  if (!entry) return FALSE;
  entry->ended = true;
  entry->result = result;
  return TRUE;
}
