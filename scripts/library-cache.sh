# Sourced by the scripts that build a library for Windows or WebAssembly from
# Debian's own source, once, into a cache outside the build tree
# (scripts/windows-qt, scripts/windows-mpfr, scripts/web-mpfr). Each of them
# says only what is its own: the sources, the options, the target.
#
#   cached_library NAME FOLDER LINK WHAT ESTIMATE INFO BUILD
#       the whole recipe: under a lock, unless ~/.cache/hanging-chain/FOLDER
#       is complete, calls BUILD PREFIX WORK to build into it, then marks it
#       complete; then writes its build information INFO and points LINK at it
#   recipe_of BUILD    the recipe hash of what standard input lists and of
#                      the steps that build the library
#   toolchain_versions TARGET    the target's compilers, "name version" a line
#   debian_source WORK PACKAGE=VERSION    unpacks Debian's source
#   hardening_flags TARGET       the compile flags of cmake/hardening.cmake
#   upstream VERSION   a Debian version without its epoch and revision
#   with_progress LABEL LOG COMMAND...    a long quiet command, with progress

library_cache_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cache=$HOME/.cache/hanging-chain
jobs=$(nproc)

cached_library() {
  local name=$1 folder=$2 link=$3 what=$4 estimate=$5 info=$6 build=$7
  local prefix=$cache/$folder
  mkdir -p "$cache"
  exec 9>"$cache/$name.lock"
  flock 9
  if [ ! -e "$prefix/.complete" ]; then
    echo "$name: building $what into $prefix ($estimate)"
    local started=$SECONDS
    rm -rf "$prefix"
    work=$cache/work-$folder
    rm -rf "$work"
    mkdir -p "$work"
    # shellcheck disable=SC2064
    trap "echo '$name: failed; the logs are in $work' >&2" ERR
    "$build" "$prefix" "$work"
    touch "$prefix/.complete"
    rm -rf "$work"
    trap - ERR
    echo "$name: built in $((SECONDS - started)) s, $(du -sh "$prefix" | cut -f1)"
  fi
  # What a release's build information names of this library.
  echo "$info" >"$prefix/build-info"
  ln -sfn "$folder" "$cache/$link"
}

# recipe_of BUILD: a library's recipe, the first 12 hex digits of the
# SHA-256 of everything that shapes its bytes: what standard input lists
# (versions, options, toolchain), and the steps that make it, the script's
# BUILD function and this file's helpers as bash prints them, without their
# comments. Changing any of it, a step included, builds a new library beside
# the old one; rewording a comment does not.
recipe_of() {
  local build=${1:?recipe_of needs the build function}
  # shellcheck disable=SC2086
  { cat && declare -f "$build" $library_cache_functions; } | sha256sum | cut -c1-12
}

# The Debian packages of a target's compilers, from the one list of them.
toolchain_packages() {
  "$library_cache_root/scripts/toolchain-packages" "$1"
}

# The same, with the versions installed here: a library built by another
# toolchain is another library, so a recipe hashes these, and the build
# information of a release records them.
toolchain_versions() {
  # This machine's own packages alone: another architecture's copy of a
  # library (multiarch, for the arm64 build) builds nothing here.
  # shellcheck disable=SC2046
  dpkg-query -W -f='${Architecture} ${Package} ${Version}\n' $(toolchain_packages "$1") |
    awk -v native="$(dpkg --print-architecture)" '$1 == native || $1 == "all" { print $2, $3 }'
}

hardening_flags() {
  cmake -DHARDENING_TARGET="$1" -P "$library_cache_root/cmake/hardening.cmake"
}

upstream() {
  local v=${1#*:}
  echo "${v%%[+-]*}"
}

# debian_source WORK PACKAGE=VERSION unpacks that source package under WORK
# and prints the directory it unpacked into.
#
# The source comes from the Debian archive this machine already installs
# from: its own entries, read as deb-src, in an apt state kept under WORK, so
# the system's configuration is left as it is.
debian_source() {
  local work=$1 package=$2
  mkdir -p "$work/apt/lists/partial" "$work/apt/cache/archives/partial" "$work/apt/parts"
  {
    for f in /etc/apt/sources.list.d/*.sources; do
      [ -e "$f" ] && sed 's/^Types:.*/Types: deb-src/' "$f" && echo
    done
  } >"$work/apt/parts/debian.sources"
  if [ -e /etc/apt/sources.list ]; then
    sed -n 's/^deb /deb-src /p' /etc/apt/sources.list >"$work/apt/sources.list"
  else
    : >"$work/apt/sources.list"
  fi
  local apt=(apt-get -q -o APT::Sandbox::User=root
    -o "Dir::Etc::SourceList=$work/apt/sources.list"
    -o "Dir::Etc::SourceParts=$work/apt/parts"
    -o "Dir::State::Lists=$work/apt/lists"
    -o "Dir::Cache=$work/apt/cache")
  # Another archive's entries without sources must not stop Debian's.
  "${apt[@]}" update >/dev/null || echo "some source lists could not be read" >&2
  mkdir -p "$work/src"
  (cd "$work/src" && "${apt[@]}" source "$package" >/dev/null 2>"$work/src/apt-source.log")
  local dir
  dir=$(find "$work/src" -mindepth 1 -maxdepth 1 -type d | head -n1)
  [ -n "$dir" ] || { echo "no source of $package unpacked" >&2; return 1; }
  echo "$dir"
}

# Runs a long quiet command with its output in LOG, and every half minute
# tells how far it is: the last "[n/N]" line ninja wrote, or the log's size.
with_progress() {
  local label=$1 log=$2
  shift 2
  local started=$SECONDS
  "$@" >"$log" 2>&1 &
  local pid=$!
  while ! wait_up_to 30 "$pid"; do
    local step
    step=$(grep -ao '^\[[0-9]*/[0-9]*\]' "$log" | tail -n1) || true
    echo "$label: ${step:-$(wc -l <"$log") lines of output} after $((SECONDS - started)) s"
  done
  wait "$pid"
}

# Whether process PID ends within SECONDS.
wait_up_to() {
  local seconds=$1 pid=$2
  local i
  for ((i = 0; i < seconds; i++)); do
    kill -0 "$pid" 2>/dev/null || return 0
    sleep 1
  done
  ! kill -0 "$pid" 2>/dev/null
}

# Every function above: the shared steps a recipe covers.
library_cache_functions=$(declare -F | cut -d' ' -f3 | tr '\n' ' ')
