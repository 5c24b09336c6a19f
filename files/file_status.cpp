#include "files/file_status.h"

#include <sys/stat.h>
#include <sys/types.h>

namespace brennholtzgate {

PathKind pathKind(const std::string& path) {
#ifdef _MSC_VER
  struct _stat64 status {};
  if (_stat64(path.c_str(), &status) != 0) return PathKind::missing;
  const bool isDirectory = (status.st_mode & _S_IFDIR) != 0;
#else
  struct stat status {};
  if (stat(path.c_str(), &status) != 0) return PathKind::missing;
  const bool isDirectory = S_ISDIR(status.st_mode);
#endif
  return isDirectory ? PathKind::directory : PathKind::file;
}

}  // namespace brennholtzgate
