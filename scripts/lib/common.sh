# Shared by scripts/run and scripts/test: the Debian packages Tagomat needs and
# an idempotent check that installs what is missing (as root) or says how.

BUILD_PACKAGES=(cmake g++ make qt6-base-dev qt6-base-dev-tools libgl-dev fonts-liberation2)
# poppler-utils reads back the PDFs the printing tests write; Google Benchmark
# builds the benchmarks so they keep compiling.
TEST_PACKAGES=(poppler-utils libbenchmark-dev)
# Label sheets: the gLabels templates the template reader is checked against,
# and the font the command-line printing tests measure.
TEST_PACKAGES+=(glabels-data fonts-dejavu-core)
# ICU folds letter case fully for the filter and the search (ß ~ ss).
BUILD_PACKAGES+=(libicu-dev)
# Qt's own German texts for the file, font, print and message dialogs.
BUILD_PACKAGES+=(qt6-translations-l10n)
# nettle: MD5, SHA-1 and RC4 for password-protected workbooks.
BUILD_PACKAGES+=(nettle-dev pkg-config)
# The corpus cells are compared with python3-xlrd; encrypted ones are first
# decrypted by python3-msoffcrypto-tool (both run by /usr/bin/python3).
TEST_PACKAGES+=(python3-xlrd python3-msoffcrypto-tool)

ensure_packages() {
    local missing=()
    local pkg
    for pkg in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$pkg")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    if [ "$(id -u)" -eq 0 ]; then
        echo "Installing: ${missing[*]}"
        DEBIAN_FRONTEND=noninteractive apt-get update -qq
        DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
    else
        echo "Tagomat needs these packages. Run, then start again:" >&2
        echo "  sudo apt-get install -y ${missing[*]}" >&2
        exit 1
    fi
}

build_jobs() {
    nproc 2>/dev/null || echo 2
}
# The readers of .xlsx/.ods/XML sheets: zlib inflates zip entries, expat parses XML.
BUILD_PACKAGES+=(zlib1g-dev libexpat1-dev)
# Badges: SVG pictures drawn as vectors, QR codes and barcodes made by libzint;
# zbarimg reads the printed codes back in the tests.
BUILD_PACKAGES+=(qt6-svg-dev libzint-dev)
TEST_PACKAGES+=(zbar-tools)
# Only to remake tests/data/namelist fixtures (make-fixtures) and the .xlsx/.ods benchmark peers.
BENCH_PACKAGES+=(libreoffice-calc-nogui liborcus-bin gnumeric hyperfine python3-openpyxl python3-odf)
# The English translation: lupdate, lrelease and their CMake package.
BUILD_PACKAGES+=(qt6-l10n-tools qt6-tools-dev)
# man checks the manual pages made from the --help texts.
TEST_PACKAGES+=(man-db)
# Only for scripts/package: dpkg-shlibdeps finds the package's dependencies
# among the binaries CPack tells by file; lintian, desktop-file-validate and
# appstreamcli check what it installs.
PACKAGE_PACKAGES=(dpkg-dev file lintian desktop-file-utils appstream)
