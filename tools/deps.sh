#!/usr/bin/env bash
# Looks for what the make targets named as arguments need (tools/debian-packages.txt), on any
# system; installs the packages of what is missing with apt-get, as root or through sudo,
# naming them. Where it cannot, it names what is missing, a line each, and fails.
set -euo pipefail
cd "$(dirname "$0")"
has() {
  case $1 in
    '<'*) printf '#include %s\n' "$1" | c++ -E -xc++ - ;;
    /*) [ -e "$1" ] ;;
    python3:*) /usr/bin/python3 -c "import ${1#*:}" ;; # the tests' python3
    clang++:*) echo 'int main() {}' | clang++ "${1#*:}" -xc++ - -o /dev/null ;;
    locale:*) locale -a | tr -d - | grep -qixF "$(tr -d - <<<"${1#*:}")" ;; # ru_RU.utf8
    *) type -P "$1" ;;
  esac >/dev/null 2>&1
}
mapfile -t rows < <(awk -v want=" $* " '!/^#/ && NF { for (i = 3; i <= NF; i++)
  if (index(want, " " $i " ")) { print $1, $2; next } }' debian-packages.txt)
missing=() packages=()
for row in "${rows[@]}"; do
  has "${row#* }" || { missing+=("${row#* } (Debian: ${row% *})"); packages+=("${row% *}"); }
done
[ ${#missing[@]} -gt 0 ] || exit 0
as_root=()
[ "$(id -u)" = 0 ] || as_root=(sudo)
cannot=""
if ! type -P apt-get >/dev/null; then cannot="no apt-get"
elif [ ${#as_root[@]} -gt 0 ] && ! type -P sudo >/dev/null; then cannot="neither root nor sudo"
fi
if [ -n "$cannot" ]; then
  echo "deps: missing, and not installed ($cannot):" >&2
  printf '  %s\n' "${missing[@]}" >&2
  exit 1
fi
# apt-get reads nothing from standard input, which may be figcalc's (make run).
echo "deps: installing ${packages[*]}"
"${as_root[@]}" apt-get update </dev/null
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
  apt-get install -y --no-install-recommends "${packages[@]}" </dev/null
for tool in "${missing[@]%% *}"; do
  locale=${tool#locale:}
  [ "$locale" = "$tool" ] || "${as_root[@]}" localedef -i "${locale%.*}" -f "${locale#*.}" "$locale"
done
