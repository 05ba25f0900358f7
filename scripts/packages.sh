# Installs the Debian packages the build needs when they are missing: directly as root, else with
# sudo. Sourced by run.sh and test.sh.
kirvo_ensure_packages() {
  local missing=()
  local package
  for package in "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local run_as_root=()
  if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null 2>&1; then
      run_as_root=(sudo)
    else
      echo "These packages are missing and neither root nor sudo is available: ${missing[*]}" >&2
      return 1
    fi
  fi
  "${run_as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
  "${run_as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
}

# clang and its runtime libraries (libFuzzer, which Debian only recommends) build the fuzz harnesses;
# libnova computes the sun for the precise solar terms;
# Qt 6 with its Japanese translations, a Japanese font and a virtual display serve the desktop
# program and its tests; poppler-utils reads the printed PDFs back in the tests.
KIRVO_BUILD_PACKAGES=(cmake ninja-build g++ pkg-config libgtest-dev libgmock-dev libbenchmark-dev clang
  libclang-rt-14-dev libnova-dev qt6-base-dev qt6-charts-dev qt6-translations-l10n fonts-noto-cjk xvfb xauth poppler-utils)
# The install and package tests: the validators of the desktop entry, the metainfo and the MIME
# type, the package's dependencies read from the binaries (dpkg-shlibdeps) and its check.
KIRVO_BUILD_PACKAGES+=(desktop-file-utils appstream shared-mime-info dpkg-dev file lintian)

# Configures and builds one build folder: kirvo_build FOLDER [cmake options...]
kirvo_build() {
  local folder=$1
  shift
  cmake -S . -B "$folder" -G Ninja "$@"
  cmake --build "$folder" -j "$(nproc)"
}
