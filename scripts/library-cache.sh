# Sourced by the scripts that build a library for Windows or WebAssembly from
# Debian's own source: debian_source fetches it, mingw_toolchain and
# emscripten_toolchain name the compilers that build it, with_progress
# reports on a long build.
#
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

# The Debian packages of the cross toolchain that builds for Windows, one
# "name version" a line: a library built by another toolchain is another
# library, so a build's recipe hashes these, and the build information of a
# release records them.
mingw_toolchain() {
  dpkg-query -W -f='${Package} ${Version}\n' \
    gcc-mingw-w64-x86-64-posix g++-mingw-w64-x86-64-posix \
    mingw-w64-x86-64-dev binutils-mingw-w64-x86-64
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

# The Debian packages of the toolchain that builds for WebAssembly, one "name
# version" a line, for the same reasons as mingw_toolchain.
emscripten_toolchain() {
  dpkg-query -W -f='${Package} ${Version}\n' emscripten binaryen clang-14 lld-14 nodejs
}
