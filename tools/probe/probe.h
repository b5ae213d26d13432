// A helper program run in the same Wine prefix as Duskveil, for the
// end-to-end tests, the benchmarks and the README's pictures: it reads window
// state, the registry and the tray, drives the program's windows and the
// Color dialog, and times what the benchmarks ask. It prints plain
// "name value" lines.
#pragma once

#include <windows.h>

#include "platform/names.h"

namespace probe {

constexpr const wchar_t* kKey = dv::names::kSettingsKey;
constexpr int kSetWidth = dv::names::kSetClient.WidthPx();  // at 96 dpi
constexpr int kSplashWidth = dv::names::kSplashClient.WidthPx();

// Windows of the program.
HWND Overlay();
// The first visible window of process `pid` (with a child of id `childId`
// where one is given); null when it has none.
HWND FirstVisibleOf(DWORD pid, int childId = 0);
HWND VisibleForm(int clientWidth);
bool WaitFor(int clientWidth, bool shown);
void ClickAt(HWND h, int x, int y);
bool CloseSettings();
double NowMs();

// Commands.
void Windows();
void ZOrder();
void Monitors();
void Tray();
void TrayOnTop();
void TrayDrop();
void TrayNotify(unsigned message);
int MenuPick(int n, int m);  // n 0: dismisses the menu; m 0: no submenu
void TaskbarCreated();
void DisplayChange();
int Raise();
// The caption of the open settings window's button, as UTF-8.
int ButtonText();
// The settings window's parts as a screen reader reads them from outside
// ("part N role=0x.. state=0x.. rect=X,Y,W,H name=... value=..."), and a
// reader's press of part N.
int AccessibleDump();
int Fit();
int AccessiblePress(int n);
int AccessibleContract();
// A value of the settings key (or of `key`): "sz TEXT", "type N" or "absent".
void RegGet(const wchar_t* name, const wchar_t* key = kKey);
void MonitorGet(int number, const wchar_t* name);
int BelowShape(bool full);
int Aside(const wchar_t* other, int rounds);
void MonitorSet(int number, const wchar_t* name, const wchar_t* text);
void RegSet(const wchar_t* name, const wchar_t* kind, const wchar_t* text);
void RegClear();
// The system's time zones against the program's places for them.
void Zones();
void ApprovedSet(const wchar_t* hex);
void ApprovedGet();
// The window that has the keyboard: "foreground CLASS|TITLE x=XWINDOW".
void Foreground();
void RegDeny();
int Choose(int red, int green, int blue);
// A window under the overlay, in its colour, that logs to `log` every click
// ("click X Y"), every key typed into it ("key C"), every key pressed with
// Alt ("alt VK") and every close asked of it ("close", which it refuses).
int Below(const wchar_t* log, int r, int g, int b, bool page = false);
void Usage(const char* when);
int Soak(int cycles, int colours, int moves);
int Slide(int moves, int gapMs);
int Launch(const wchar_t* exe);
int OnTop(int rounds);
// Another copy's request to the overlay; prints "answer N" ("none": none came).
int Request(const wchar_t* mark, int argc, wchar_t** argv);
// Times the command line's "/brightness" from its process start to the
// overlay at its alpha: "command MS" a round (-1: never).
int CommandLatency(const wchar_t* exe, int rounds);
int CommandAlone(const wchar_t* exe, int rounds);
// Times a hot key's message to the overlay's alpha: "NAME MS" a round.
int HotKeyLatency(int rounds, const wchar_t* name);
// The hot-key dialog: its rows and line; its rows filled with hex words
// and OK pressed; and a combination held as another program holds one.
int HotKeysDump();
int HotKeysTake(int count, wchar_t** words);
int HotKeysCancel();
int HoldHotKey(unsigned modifiers, unsigned vk);

}  // namespace probe
