#include "platform/interrupt.h"

#include <csignal>
#include <initializer_list>

#ifdef _WIN32
#include <windows.h>
#endif

namespace kelvad {

namespace {

volatile std::sig_atomic_t g_signal = 0;

#ifdef _WIN32

BOOL WINAPI OnConsoleEvent(DWORD event) {
  if (g_signal != 0) return FALSE;  // the second time: the system's own handling, which ends the program
  switch (event) {
    case CTRL_C_EVENT:
    case CTRL_BREAK_EVENT: g_signal = SIGINT; return TRUE;
    case CTRL_CLOSE_EVENT: g_signal = SIGTERM; return TRUE;
    default: return FALSE;
  }
}

#else

void OnSignal(int signal_number) { g_signal = signal_number; }

#endif

}  // namespace

void CatchInterrupts() {
#ifdef _WIN32
  SetConsoleCtrlHandler(OnConsoleEvent, TRUE);
#else
  struct sigaction action {};
  action.sa_handler = OnSignal;
  sigemptyset(&action.sa_mask);
  // No SA_RESTART: a write to a terminal or pipe that blocks returns, so the
  // build reaches its next file. SA_RESETHAND: the second signal is the default.
  action.sa_flags = SA_RESETHAND;
  for (int signal_number : {SIGINT, SIGTERM}) sigaction(signal_number, &action, nullptr);
#endif
}

int InterruptSignal() { return g_signal; }

}  // namespace kelvad
