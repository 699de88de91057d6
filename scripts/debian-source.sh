# Sourced by the scripts that build a library for Windows from Debian's own
# source. debian_source WORK PACKAGE=VERSION unpacks that source package under
# WORK and prints the directory it unpacked into.
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
