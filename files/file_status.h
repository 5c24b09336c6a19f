#pragma once

#include <string>

namespace brennholtzgate {

enum class PathKind { missing, file, directory };

// What the C runtime's file-status query says is at `path`.
PathKind pathKind(const std::string& path);

inline bool pathExists(const std::string& path) { return pathKind(path) != PathKind::missing; }

}  // namespace brennholtzgate
