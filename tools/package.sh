#!/usr/bin/env bash
# Builds the Debian package vokab_2.20-1_amd64.deb into the source folder with CPack
# (Release, Debian's hardening flags, dependencies from dpkg-shlibdeps) and checks it:
# the desktop file, the AppStream metadata and lintian, which must report no error.
# Installs what it needs on Debian 12 (apt-get; root or sudo).
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/deps.sh

VOKAB_PACKAGE_TOOLS=(dpkg-dev file lintian appstream desktop-file-utils shared-mime-info)
vokab_install_packages "${VOKAB_BUILD_PACKAGES[@]}" "${VOKAB_PACKAGE_TOOLS[@]}"
vokab_compiler_cache

build_dir="${VOKAB_PACKAGE_BUILD_DIR:-build-package}"
# Debian's compiler and linker flags, hardening included.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
LDFLAGS="$(dpkg-buildflags --get LDFLAGS)"
export CXXFLAGS LDFLAGS
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVOKAB_BUILD_TESTS=OFF \
    -DCMAKE_INSTALL_PREFIX=/usr
cmake --build "$build_dir" -j2
(cd "$build_dir" && cpack -G DEB)

version="$(dpkg-deb --field "$build_dir"/vokab_*_amd64.deb Version)"
package="vokab_${version}_amd64.deb"
cp "$build_dir/$package" .
echo "Built $package"

echo "== desktop-file-validate"
desktop-file-validate desktop/org.example.vokab.desktop
echo "== appstreamcli validate --no-net"
appstreamcli validate --no-net desktop/org.example.vokab.metainfo.xml
echo "== lintian"
lintian --fail-on error --display-info "$package"
echo "$package: lintian reports no error"
