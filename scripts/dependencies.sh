# Installs the Debian packages the build and the tests need, when missing.
# Sourced by run.sh and test.sh.

sprig_packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev libqt6opengl6-dev qt6-svg-dev qt6-translations-l10n libgl-dev libglu1-mesa-dev libosmesa6-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev clang-format
  xvfb xauth
  assimp-utils python3
)

sprig_install_dependencies() {
  local missing=()
  for p in "${sprig_packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    apt-get update
    DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
  fi
}
