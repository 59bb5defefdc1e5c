# Installs the Debian packages Lumora needs, when any is missing. Sourced by scripts/run and scripts/test.
LUMORA_PACKAGES=(
  cmake ninja-build g++ clang libclang-rt-dev pkg-config
  qt6-base-dev qt6-multimedia-dev libqt6multimediawidgets6
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-libav
  googletest libgtest-dev libbenchmark-dev
  fonts-dejavu-core
)

lumora_install_deps() {
  local missing=()
  for p in "${LUMORA_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# Configures (once) and builds the programs and tests in build/.
lumora_build() {
  local top="$1"
  if [ ! -f "$top/build/build.ninja" ]; then
    cmake -S "$top" -B "$top/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
  fi
  cmake --build "$top/build"
}
