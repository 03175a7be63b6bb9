// kernel32 processes on POSIX: GetCurrentProcessId, OpenProcess and GetExitCodeProcess, enough
// to tell whether a process still runs.
//
// OpenProcess gives a handle for any process that exists (whatever the access asked for, and
// even when it belongs to another user, which signals could not reach); a process that does not
// exist gives null with ERROR_INVALID_PARAMETER, as on Windows. GetExitCodeProcess says
// STILL_ACTIVE while the process exists; for one that has ended it reports 0, as the exit status
// of a process that is not our child cannot be known here. A zombie (ended, not yet reaped by
// its parent) still exists.
#include <errno.h>
#include <signal.h>
#include <unistd.h>

#include "platform/kernel/kernel_objects.h"

using namespace kernel;

namespace {

bool Exists(pid_t process) { return ::kill(process, 0) == 0 || errno == EPERM; }

}  // namespace

DWORD WINAPI GetCurrentProcessId() { return static_cast<DWORD>(::getpid()); }

HANDLE WINAPI OpenProcess(DWORD, BOOL, DWORD id) {
  const auto process = static_cast<pid_t>(id);
  if (process <= 0 || static_cast<DWORD>(process) != id || !Exists(process)) {
    SetError(kErrorInvalidParameter);
    return nullptr;
  }
  auto* object = new Object(ObjectKind::Process);
  object->process = process;
  return AddObject(object);
}

BOOL WINAPI GetExitCodeProcess(HANDLE handle, LPDWORD code) {
  Object* object = FindObject(handle, ObjectKind::Process);
  if (!object) return Fail(kErrorInvalidHandle);
  if (!code) return Fail(kErrorInvalidParameter);
  *code = Exists(object->process) ? STILL_ACTIVE : 0;
  return TRUE;
}
