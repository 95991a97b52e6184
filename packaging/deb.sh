#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Kuvel developers
# Builds the Debian package as a distribution builds one: hardened with the flags of
# dpkg-buildflags, laid out under /usr with the game in /usr/games, without the tests.
#   packaging/deb.sh BUILD_DIR [CMAKE_OPTION...]
# leaves BUILD_DIR/kuvel_VERSION_ARCH.deb; give the maintainer as
# -DKUVEL_MAINTAINER="Name <address>". The same commit gives the same bytes, wherever
# and whenever it is built (reproducible builds).
set -euo pipefail
dir=$1
shift
source_dir=$(realpath "$(dirname "$0")/..")
build_dir=$(realpath --canonicalize-missing "$dir")

# As dpkg-buildpackage does: the installed files' modes do not follow the caller's
# umask, and every time stamp (rcc's resources, the package's files) is the release
# date, the date of the newest entry of NEWS, unless the caller sets one.
umask 022
release_date=$(sed -n '1s/^Kuvel [^ ]* (\([0-9-]*\))$/\1/p' "$source_dir/NEWS")
SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(date --utc --date="${release_date:?NEWS names no release date}" +%s)}
export SOURCE_DATE_EPOCH

# Every hardening feature, bindnow included. CMake reads no CPPFLAGS, so the
# preprocessor's flags (fortify) go with the compiler's.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
# dpkg-buildflags maps only the folder it is called from; the build folder, where moc,
# uic and rcc write their sources, must not reach the debug information either, or
# the build id, a hash over it, differs from folder to folder. The last matching map
# wins, so the build folder's comes last for a build folder inside the sources.
CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
CXXFLAGS+=" -ffile-prefix-map=$source_dir=. -ffile-prefix-map=$build_dir=build"
LDFLAGS=$(dpkg-buildflags --get LDFLAGS)
export CXXFLAGS LDFLAGS

cmake -S "$source_dir" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=None -DBUILD_TESTING=OFF \
    -DCMAKE_INSTALL_PREFIX=/usr -DCMAKE_INSTALL_BINDIR=games "$@"
cmake --build "$build_dir"
rm -f "$build_dir"/kuvel_*.deb
(cd "$build_dir" && cpack -G DEB)
