# Installs the Debian packages given as arguments that are not installed yet.
# Sourced by the other scripts; uses sudo when not run as root.
scaffold_install() {
    local missing=()
    local package
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local as_root=()
    [ "$(id -u)" -eq 0 ] || as_root=(sudo)
    echo "Installing ${missing[*]} ..."
    "${as_root[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

# What building the game needs.
SCAFFOLD_BUILD_PACKAGES=(cmake ninja-build g++ qt6-base-dev libicu-dev libgl-dev fonts-dejavu-core)

# What checking the installed tree (desktop entry, metainfo, manual pages) and
# the real window on a private X display needs (scripts/test): the British
# dictionary the word lists' spelling is checked with, WordNet 3.0's data
# files their rival synonyms and compound giveaways are found with, and the font without
# Latin capitals that a Japanese desktop uses, which the cells' font fitting
# is tested with.
SCAFFOLD_CHECK_PACKAGES=(desktop-file-utils appstream man-db xvfb x11-utils hunspell hunspell-en-gb wordnet-base fonts-droid-fallback)

# What making and checking the Debian package needs besides (scripts/package).
SCAFFOLD_PACKAGE_PACKAGES=(dpkg-dev lintian "${SCAFFOLD_CHECK_PACKAGES[@]}")

# What keeps the look of the code (scripts/format, and its check in scripts/test).
SCAFFOLD_FORMAT_PACKAGES=(clang-format)

# The project's own C++ sources, for the formatter: every .cpp and .h outside
# the build folders, found without git, which a fresh machine may not have.
scaffold_sources() {
    (cd "$SCAFFOLD_ROOT" && find . -path './build*' -prune -o -path './.git' -prune -o \( -name '*.cpp' -o -name '*.h' \) -type f -print | sed 's|^\./||' | sort)
}

# What the fuzzer needs besides: clang with its sanitizer and libFuzzer runtimes.
SCAFFOLD_FUZZ_PACKAGES=(clang libclang-rt-14-dev)

scaffold_build() {
    local dir=$1
    shift
    local target=()
    local args=()
    while [ $# -gt 0 ]; do
        if [ "$1" = --target ]; then target=(--target "$2"); shift 2; else args+=("$1"); shift; fi
    done
    cmake -S "$SCAFFOLD_ROOT" -B "$dir" -G Ninja "${args[@]}" >/dev/null
    cmake --build "$dir" "${target[@]}"
}

# What cross-building for Windows needs (scripts/windows): MinGW-w64, Debian's
# Qt and ICU tools standing in for the host build of the cross-built ones,
# apt-get source's unpacker, NSIS, zip, and Wine to run the tests.
SCAFFOLD_WINDOWS_PACKAGES=(g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
    mingw-w64-x86-64-dev qt6-base-dev qt6-base-dev-tools icu-devtools dpkg-dev python3 perl nsis zip unzip wine wine64)
