# Installs the Debian packages the project needs, when any is missing.
# Sourced by run.sh and test.sh; works as root or with sudo.

VOKAB_BUILD_PACKAGES=(
    cmake ninja-build g++ ccache pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev libgl-dev
    qt6-qpa-plugins libqt6svg6 qt6-image-formats-plugins qt6-translations-l10n fonts-dejavu-core xdg-utils
    libuchardet-dev libespeak-ng-dev espeak-ng-data
)
VOKAB_TEST_PACKAGES=(
    xvfb xauth clang clang-format libclang-rt-14-dev
    pulseaudio pulseaudio-utils poppler-utils
    openbox xdotool x11-utils x11-xserver-utils imagemagick
    tesseract-ocr tesseract-ocr-ces python3
)

vokab_install_packages() {
    local missing=()
    local package
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    if [ "$(id -u)" -ne 0 ]; then
        if command -v sudo >/dev/null 2>&1; then
            sudo="sudo"
        else
            echo "These Debian packages are missing and there is no root access: ${missing[*]}" >&2
            return 1
        fi
    fi
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# Shared compiler cache, so that builds in other folders reuse each other's objects.
vokab_compiler_cache() {
    export CCACHE_DIR="${CCACHE_DIR:-$HOME/.ccache}"
    export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}"
    export CCACHE_SLOPPINESS="pch_defines,time_macros,include_file_mtime,include_file_ctime"
    # Debug information names its folders relative to the checkout, so the folder a build
    # runs in need not be part of what is cached (ccache hashes it by default).
    export CCACHE_NOHASHDIR=1
}
