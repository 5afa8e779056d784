#!/usr/bin/env bash
# Installs the Debian packages pl63 needs to build and test, and nothing else.
# Idempotent: packages already present are left alone; runs as root or through sudo.
set -euo pipefail

packages=(
  build-essential cmake make pkg-config
  libgtest-dev libgmock-dev
  qt6-base-dev qt6-base-dev-tools qt6-serialport-dev libgl-dev
  # Qt's own Chinese texts (file dialogs, print preview); the program runs
  # with English ones without it
  qt6-translations-l10n
  fonts-wqy-microhei xvfb xauth ccache
  # the tests read the text of the printed channel sheet (pdftotext)
  poppler-utils
  # the desktop test talks to its Xvfb display through Xlib
  libx11-dev
  # Qt draws text through fontconfig; pl63-gui adds one rule to it at start-up
  libfontconfig-dev
  # make check-sanitize and make fuzz: clang with its sanitizer and libFuzzer
  # runtimes (only recommended by clang, so named here) and llvm-symbolizer
  # for readable reports.
  clang libclang-rt-dev llvm
  # the install-tree test validates the desktop entry, the AppStream metainfo
  # and the manual pages, and builds a MIME database; the package is made by
  # CPack with dpkg-shlibdeps
  desktop-file-utils appstream man-db shared-mime-info file dpkg-dev
  # make web: the core compiled to WebAssembly (em++), the page's browser
  # tests in Debian's Chromium
  emscripten chromium
)

# Node.js runs em++'s tools, the page's build and its tests. A node already
# on the PATH (from Debian or elsewhere) will do; npm comes with it.
if ! command -v node >/dev/null 2>&1; then
  packages+=(nodejs npm)
elif ! command -v npm >/dev/null 2>&1; then
  # Debian's nodejs leaves npm out; the page's packages come through npm ci.
  packages+=(npm)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

if [ "$(id -u)" -eq 0 ]; then
  sudo=""
elif command -v sudo >/dev/null 2>&1; then
  sudo="sudo"
else
  echo "install-deps: missing packages ${missing[*]}, and neither root nor sudo is available" >&2
  exit 1
fi

echo "install-deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
