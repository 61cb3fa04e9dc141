#!/usr/bin/env bash
# Cross-builds the library (quorvelml.dll), its test programs and the quorvel-ml tool for
# 64-bit Windows with MinGW-w64 and runs every test program, and the tool once, under Wine, in
# a fresh Wine prefix on a private X display. Installs what it needs when it is missing. Exits
# non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build=build/windows
jobs=$(nproc)

# ---- what it needs ---------------------------------------------------------------------------
need=()
have_pkg() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }
for pkg in cmake make g++-mingw-w64-x86-64 wine wine64 xvfb libgtest-dev clang lld; do
  have_pkg "$pkg" || need+=("$pkg")
done
if ((${#need[@]})); then
  echo "test-windows: installing ${need[*]}" >&2
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends "${need[@]}" >/dev/null
fi

toolchain=$root/cmake/toolchain-mingw64.cmake

# ---- GoogleTest for Windows, from the sources Debian ships -------------------------------------
gtest=$root/$build/googletest
if [ ! -f "$gtest/lib/cmake/GTest/GTestConfig.cmake" ]; then
  echo "== GoogleTest for Windows"
  cmake -S /usr/src/googletest -B "$build/googletest-build" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$gtest" -DBUILD_GMOCK=OFF >/dev/null
  cmake --build "$build/googletest-build" -j"$jobs" >/dev/null
  cmake --install "$build/googletest-build" >/dev/null
fi

# ---- the library and its test programs -------------------------------------------------------
echo "== Windows build"
cmake -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DGTest_DIR="$gtest/lib/cmake/GTest" -DQML_BUILD_EXAMPLES=OFF -DQML_BUILD_BENCH=OFF >/dev/null
mapfile -t tests < <(cmake --build "$build" --target help | sed -n 's/^\.\.\. \(test_[A-Za-z0-9_]*\)$/\1/p' | sort -u)
cmake --build "$build" -j"$jobs" --target quorvelml quorvel-ml qml_c_host "${tests[@]}"

# ---- the C interface in the DLL's export table ------------------------------------------------
# Every function of the C header (its POSIX-only window-system block aside) is exported under
# its plain name, and no internal name of the C interface's adapters is.
echo "== exports of quorvelml.dll"
exports=$(x86_64-w64-mingw32-objdump -p "$build/quorvelml.dll")
mapfile -t c_functions < <(sed '/^#if !defined(_WIN32)/,/^#endif/d' include/quorvel/multilanguage_c.h |
  tr '\n' ' ' | grep -o 'QML_API [^;(]*(' | grep -o 'qml_[A-Za-z0-9_]*' | sort -u)
missing=()
for f in "${c_functions[@]}" qml_version; do
  grep -Eq "\] ${f}\$" <<<"$exports" || missing+=("$f")
done
export_failure=""
if ((${#missing[@]})); then export_failure="missing ${missing[*]}"; fi
if grep -q "_ZN3qml4capi" <<<"$exports"; then export_failure+=" internal adapters exported"; fi
echo "${#c_functions[@]} C functions checked"

# ---- what an MSVC-built host links: quorvelml.def and quorvelml.lib ---------------------------
# The module-definition file lists exactly the C functions; the import library is an archive of
# x86-64 COFF objects that imports each of them by name.
echo "== quorvelml.def and quorvelml.lib"
msvc_failure=""
def_names=$(sed -n 's/^[[:space:]]*\(qml_[A-Za-z0-9_]*\)[[:space:]]*$/\1/p' "$build/quorvelml.def")
lib_symbols=$(x86_64-w64-mingw32-nm "$build/quorvelml.lib")
lib_formats=$(x86_64-w64-mingw32-objdump -a "$build/quorvelml.lib" | sed -n 's/.*file format //p' | sort -u)
[ "$lib_formats" = "pe-x86-64" ] || msvc_failure+=" quorvelml.lib members are '$lib_formats'"
for f in "${c_functions[@]}" qml_version; do
  grep -qx "$f" <<<"$def_names" || msvc_failure+=" $f not in quorvelml.def"
  grep -Eq " I __imp_${f}\$" <<<"$lib_symbols" || msvc_failure+=" $f not in quorvelml.lib"
done
if grep -Eq '^[[:space:]]+_Z' "$build/quorvelml.def"; then msvc_failure+=" C++ names in quorvelml.def"; fi

# A host compiled for the msvc target and linked by lld-link against quorvelml.lib alone, with
# no C runtime or Windows SDK: it runs under Wine below, next to the DLL.
echo "== a host for the msvc target"
# The sample languages relative to the build directory, as a C string of a Windows path.
lang_c=$(realpath --relative-to="$build" examples/lang | sed 's|/|\\\\|g')'\\'
if clang --target=x86_64-pc-windows-msvc -std=c99 -ffreestanding -fno-builtin -O1 -Wall -Wextra -pedantic \
  -Werror -Iinclude -I"$build/include" "-DQML_LANG_DIR=\"$lang_c\"" \
  -c tests/c_interface/msvc_host.c -o "$build/msvc_host.obj" &&
  lld-link /nologo /nodefaultlib /entry:qml_msvc_host_entry /subsystem:console "/out:$build/msvc_host.exe" \
    "$build/msvc_host.obj" "$build/quorvelml.lib"; then
  msvc_host_built=1
else
  msvc_host_built=""
  msvc_failure+=" the msvc-target host did not build"
fi

# ---- a private display and a fresh Wine prefix -----------------------------------------------
scratch=$(mktemp -d)
xvfb_pid=""
cleanup() {
  if [ -d "$scratch/prefix" ]; then WINEPREFIX="$scratch/prefix" wineserver -k 2>/dev/null || true; fi
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; wait "$xvfb_pid" 2>/dev/null || true; fi
  rm -rf "$scratch"
}
trap cleanup EXIT

display=""
for n in $(seq 90 190); do
  [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
  Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >"$scratch/xvfb.log" 2>&1 &
  xvfb_pid=$!
  sleep 1
  if kill -0 "$xvfb_pid" 2>/dev/null; then
    display=":$n"
    break
  fi
  xvfb_pid=""
done
[ -n "$display" ] || { echo "test-windows: no free X display" >&2; exit 1; }

export DISPLAY=$display WINEPREFIX=$scratch/prefix WINEDEBUG=-all WINEARCH=win64
export WINEDLLOVERRIDES="mscoree,mshtml="  # no .NET or browser engine prompts
echo "== Wine prefix"
wineboot -i >"$scratch/wineboot.log" 2>&1
wineserver -w

# ---- the tests -------------------------------------------------------------------------------
failed=()
run() {
  local name=$1; shift
  echo "== $name"
  if ! (cd "$root/$build" && timeout 900 "$@"); then failed+=("$name"); fi
}
for t in "${tests[@]}"; do
  exe=$(find "$build" -name "$t.exe" -not -path '*/googletest*' | head -n 1)
  [ -n "$exe" ] || { failed+=("$t (not built)"); continue; }
  run "$t" env LC_ALL=en_US.UTF-8 wine "$root/$exe" --gtest_brief=1
done
# The language choice follows the user's locale, which Wine takes from LC_ALL at start-up.
for locale in zh_TW.UTF-8 zh_CN.UTF-8; do
  run "test_win32 ($locale)" env LC_ALL=$locale wine "$root/$build/test_win32.exe" --gtest_brief=1 \
    --gtest_filter='UserLocale.*'
done
# The C99 host, with the sample languages as a Windows path.
run "qml_c_host" env LC_ALL=en_US.UTF-8 wine "$root/$build/tests/c_interface/qml_c_host.exe" \
  "$(winepath -w "$root/examples/lang")"
# Its exit code holds one bit per failed check (tests/c_interface/msvc_host.c).
if [ -n "$msvc_host_built" ]; then
  run "msvc_host" env LC_ALL=en_US.UTF-8 wine "$root/$build/msvc_host.exe"
fi
if [ -n "$msvc_failure" ]; then echo "MSVC host files:$msvc_failure" >&2; failed+=("msvc"); fi
if [ -n "$export_failure" ]; then echo "quorvelml.dll exports: $export_failure" >&2; failed+=("exports"); fi
# The tool: one translation from the sample language directory. The DLL is found in the
# working directory, as for the tests.
echo "== quorvel-ml"
shown=$(cd "$root/$build" && LC_ALL=en_US.UTF-8 timeout 300 wine "$root/$build/cli/quorvel-ml.exe" \
  translate --dir ../../examples/lang --lang 3 --raw Open | tr -d '\r') || shown="(failed)"
[ "$shown" = "Ouvrir" ] || { echo "quorvel-ml printed '$shown', not 'Ouvrir'" >&2; failed+=("quorvel-ml"); }

if ((${#failed[@]})); then
  echo "== failed: ${failed[*]}" >&2
  exit 1
fi
echo "== all Windows tests passed"
