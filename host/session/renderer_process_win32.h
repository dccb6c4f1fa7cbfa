// The renderer program as the session holds it, one run after another: the
// process handle, kept until the run is over (its exit code tells the
// user's end from a failure), and whether its window still answers messages.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

namespace Ondrel_B {

class RendererProcess {
 public:
  // Answers and ends are delivered to this object: it lives as long as the session.
  RendererProcess() = default;
  ~RendererProcess() { Release(); }
  RendererProcess(const RendererProcess&) = delete;
  RendererProcess& operator=(const RendererProcess&) = delete;

  // Starts a run of the program at path, in folder, with the foreground
  // right handed on; the last run's handle and answers are let go. A
  // program that cannot be started leaves no process. When the run ends,
  // endedMessage is posted to notify.
  void Start(const std::wstring& path, const std::wstring& folder, HWND notify, UINT endedMessage);

  // A run that could not start counts as ended.
  bool Running() const;
  // Its exit code once ended; 0 when it never started.
  uint32_t ExitCode() const;
  // Ends it from outside with that exit code and waits briefly for the end.
  void Terminate(uint32_t exitCode);

  // Asks the window for an answer unless a question is still open; the
  // answer comes back through the message loop. Never blocks.
  void Ask(HWND window);
  // Whether the window has answered once, and when it last did (GetTickCount).
  bool Answered() const { return answered_; }
  DWORD AnsweredAt() const { return answeredAt_; }

 private:
  void Release();
  // Waits at most ms for the process to end; true once it has.
  bool WaitEnded(DWORD ms) const;
  static void CALLBACK OnAnswer(HWND window, UINT message, ULONG_PTR self, LRESULT result);
  static void CALLBACK OnEnded(void* self, BOOLEAN timedOut);

  HANDLE process_ = nullptr;
  HANDLE endWait_ = nullptr;  // the pool's wait for the process's end
  HWND notify_ = nullptr;
  UINT endedMessage_ = 0;
  HWND asked_ = nullptr;  // the window a question is open to
  bool answered_ = false;
  DWORD answeredAt_ = 0;
};

}  // namespace Ondrel_B
