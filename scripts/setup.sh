#!/usr/bin/env bash
# Installs the Debian packages that the build and the tests need. Quick and
# silent when everything is there already.
set -euo pipefail

packages=(
  cmake ninja-build g++                                   # the builds
  g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64    # the Windows exe
  wine64                                                  # running it here
  locales                                                 # Wine's German locale
  libboost-dev                                            # Boost headers
  googletest libgtest-dev                                 # unit tests
  clang libclang-rt-dev                                   # fuzzers
  clang-tidy cppcheck clang-format                        # static analysis
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

as_root=()
[ "$(id -u)" -ne 0 ] && as_root=(sudo)
echo "Installing: ${missing[*]}"
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" >/dev/null
