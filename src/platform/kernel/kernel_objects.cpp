// The kernel handle table, the last-error value and what several kernel32 functions share.
#include "platform/kernel/kernel_objects.h"

#include <errno.h>
#include <fcntl.h>
#include <unistd.h>

#include "platform/handle_table.h"

namespace kernel {
namespace {

platform::Lasting<platform::HandleTable<Object, 4>> objects;

platform::HandleTable<Object, 4>& Objects() { return objects.value; }

thread_local DWORD lastError = 0;

}  // namespace

HANDLE AddObject(Object* object) {
  const std::uintptr_t handle = Objects().Add(object);
  if (!handle) {
    delete object;
    SetError(kErrorTooManyOpenFiles);
    return nullptr;
  }
  return reinterpret_cast<HANDLE>(handle);
}

Object* FindObject(HANDLE handle, ObjectKind kind) {
  Object* object = Objects().Find(reinterpret_cast<std::uintptr_t>(handle));
  return object && object->kind == kind ? object : nullptr;
}

Object* RemoveObject(HANDLE handle) {
  return Objects().Remove(reinterpret_cast<std::uintptr_t>(handle));
}

// Only the codes that callers tell apart; every other failure is a general one.
DWORD FromErrno(int error) {
  switch (error) {
    case ENOENT:
      return kErrorFileNotFound;
    case EACCES:
    case EPERM:
    case EISDIR:
      return kErrorAccessDenied;
    case EEXIST:
      return kErrorFileExists;
    case EINVAL:
      return kErrorInvalidParameter;
    default:
      return kErrorGenFailure;
  }
}

void SetError(DWORD error) { lastError = error; }

BOOL Fail(DWORD error) {
  lastError = error;
  return FALSE;
}

BOOL FailErrno() { return Fail(FromErrno(errno)); }

int SyncFolder(const std::string& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return errno == EACCES || errno == EPERM ? 0 : errno;
  const int result = ::fsync(fd);
  const int error = errno;
  ::close(fd);
  return result == 0 ? 0 : error;
}

}  // namespace kernel

DWORD WINAPI GetLastError() { return kernel::lastError; }
