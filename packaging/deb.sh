#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Kuvel developers
# Builds the Debian package as a distribution builds one: hardened with the flags of
# dpkg-buildflags, laid out under /usr with the game in /usr/games, without the tests.
#   packaging/deb.sh BUILD_DIR [CMAKE_OPTION...]
# leaves BUILD_DIR/kuvel_VERSION_ARCH.deb; give the maintainer as
# -DKUVEL_MAINTAINER="Name <address>".
set -euo pipefail
dir=$1
shift
source_dir=$(dirname "$0")/..

# Every hardening feature, bindnow included. CMake reads no CPPFLAGS, so the
# preprocessor's flags (fortify) go with the compiler's.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
LDFLAGS=$(dpkg-buildflags --get LDFLAGS)
export CXXFLAGS LDFLAGS

cmake -S "$source_dir" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=None -DBUILD_TESTING=OFF \
    -DCMAKE_INSTALL_PREFIX=/usr -DCMAKE_INSTALL_BINDIR=games "$@"
cmake --build "$dir"
rm -f "$dir"/kuvel_*.deb
(cd "$dir" && cpack -G DEB)
