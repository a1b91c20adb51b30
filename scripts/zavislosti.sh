#!/usr/bin/env bash
# Installs the Debian packages the project needs to build, test and run, when missing.
# Does nothing when everything is there. Uses sudo when not run as root.
set -euo pipefail

packages=(
  # build
  cmake make g++ pkg-config ccache clang-format
  # the include-circle check (scripts/kruhy.py)
  python3
  qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev qt6-charts-dev libqt6opengl6-dev libgl-dev
  # the data compiler's spelling check: Hunspell and its Slovak dictionary
  libhunspell-dev hunspell-sk libpng-dev
  # run: platform plugins, sound output, the bundled font's source, Qt's Slovak dialogs
  libqt6multimedia6 libpulse0 libqt6charts6
  fonts-liberation2 qt6-translations-l10n
  # media pipeline: the dictation voice; another program's reader and writer of its
  # IMA ADPCM files, which the media test compares with the program's own
  espeak-ng sndfile-programs
  # the sound test's private sound server, and its recording of what the program plays
  pulseaudio pulseaudio-utils
  # tests, screenshots and PDF checks under a real X display
  xvfb xauth x11-utils xdotool imagemagick poppler-utils
  # the print tests' private print server and its PDF queue
  cups printer-driver-cups-pdf
  # the installation's shared data folder (setfacl), checked by the installation tests,
  # and the validators of its menu entries and AppStream metadata
  acl desktop-file-utils appstream
  # make bench: instruction counts (callgrind)
  valgrind
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done

if ((${#missing[@]} == 0)); then
  exit 0
fi

echo "Installing missing packages: ${missing[*]}"
sudo=()
if [[ $(id -u) -ne 0 ]]; then
  sudo=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update
"${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
