#!/usr/bin/env bash
# The README's two commands as root in a minimal Debian root (debootstrap --variant=minbase,
# from this machine's apt sources) with a clone of HEAD and only git and make added: `make run`
# installs the compiler and CMake, builds figcalc alone and divides 6 by 3; `make check`
# installs what it lacks and passes. The pristine root is kept in /var/cache/figcalc, copied for
# each use, with the packages fetched beside it. Skipped where no such root can be built.
# shellcheck source=lib.sh
. "$(dirname "$0")/lib.sh"
cache=/var/cache/figcalc
[ "$(id -u)" = 0 ] || skip "needs root (debootstrap, chroot, mount)"
needs debootstrap
git clone -q "$top" "$work/figcalc" 2>/dev/null || skip "not a git checkout"

# The Debian archive this machine installs from: the first source of the
# release's own suite, and every Debian source for the root's sources.list.
codename=$(sed -n "s/^VERSION_CODENAME=//p" /etc/os-release)
sources() { # lines "URI SUITE COMPONENT" of apt's Debian sources
  apt-cache policy | awk '
    $1 ~ /^[0-9]+$/ && $2 ~ /:\/\// { uri = $2; split($3, sc, "/"); next }
    /release / && /o=Debian,/ && uri != "" { print uri, sc[1], sc[2]; uri = "" }'
}
[ -n "$(sources)" ] || apt-get update >/dev/null 2>&1 || true
mirror=$(sources | awk -v s="$codename" '$2 == s && $3 == "main" { print $1; exit }')
{ [ -n "$codename" ] && [ -n "$mirror" ]; } || skip "no Debian source for '$codename' in apt's sources"

started=$SECONDS
say() { printf '[%4ds] %s\n' $((SECONDS - started)) "$*"; }

pristine=$cache/$codename-minbase
mkdir -p "$cache/archives"
if [ ! -x "$pristine/bin/bash" ]; then
  say "building the pristine root from $mirror ($codename)"
  rm -rf --one-file-system "$pristine.new"
  timeout 1200 debootstrap --variant=minbase "$codename" "$pristine.new" "$mirror" \
    >"$cache/debootstrap.log" 2>&1 ||
    skip "debootstrap failed (the package archive unreachable?): see $cache/debootstrap.log"
  sources | awk '{ print "deb", $1, $2, $3 }' >"$pristine.new/etc/apt/sources.list"
  mv "$pristine.new" "$pristine"
else
  say "using the pristine root in $pristine"
fi

root=
# Ends every process still running in the root, then unmounts what was
# mounted there; removes the root only when nothing is mounted in it.
teardown() {
  [ -n "$root" ] || return 0
  for p in /proc/[0-9]*; do
    [ "$(readlink "$p/root" 2>/dev/null)" = "$root" ] && kill -9 "${p#/proc/}" 2>/dev/null
  done
  sleep 0.2
  for m in var/cache/apt/archives dev sys proc; do
    mountpoint -q "$root/$m" && { umount -R "$root/$m" || umount -R -l "$root/$m"; }
  done
  if grep -q " $root/" /proc/mounts; then
    echo "still mounted in $root; not removed"
  else
    rm -rf --one-file-system "$root"
  fi
  root=
}
cleanup() { teardown; }

# A copy of the pristine root with the clone in /root/figcalc and what the
# tools inside need mounted.
fresh_root() {
  teardown
  root=$(mktemp -d /var/tmp/figcalc-root.XXXXXX)
  cp -a "$pristine/." "$root/"
  cp -a "$work/figcalc" "$root/root/"
  mount -t proc proc "$root/proc" || skip "mounting /proc in the root refused"
  { mount --rbind /sys "$root/sys" && mount --make-rslave "$root/sys"; } || skip "mounting /sys refused"
  { mount --rbind /dev "$root/dev" && mount --make-rslave "$root/dev"; } || skip "mounting /dev refused"
  mount --bind "$cache/archives" "$root/var/cache/apt/archives" || skip "bind mount refused"
  cp /etc/ssl/certs/ca-certificates.crt "$root/root/host-cas.crt" 2>/dev/null || true # for npm's registry
}

# Runs $2 in the root as root, with a clean environment (but this machine's CAs), for at most $1 s.
inside() {
  timeout -k 10 "$1" chroot "$root" env -i HOME=/root NODE_EXTRA_CA_CERTS=/root/host-cas.crt \
    PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin bash -euo pipefail -c "$2"
}
apt_install() { echo "apt-get update -qq && DEBIAN_FRONTEND=noninteractive \
  apt-get install -y -qq --no-install-recommends $* >/dev/null"; }
# Shows the end of the log $1, then fails with the message $2.
failed() { tail -40 "$1"; fail "$2"; }

fresh_root
say "run command: git and make added; make run on the input '1 2 6 3 /'"
inside 900 "$(apt_install git make) && cd /root/figcalc && printf '1 2 6 3 /' | make run >/root/run.log 2>&1 &&
  printf '1 2 6 3 /' | build/default/figcalc >/root/piped && find build/default -type f \\( -name '*_tests' -o -name minimal \\) >/root/built" ||
  failed "$root/root/run.log" "make run"
cp "$root/root/run.log" "$cache/run.log"
# It ends with what figcalc writes through a pipe, and builds figcalc alone.
tail -c "$(wc -c <"$root/root/piped")" "$cache/run.log" | cmp -s - "$root/root/piped" ||
  failed "$cache/run.log" "make run did not end with what figcalc writes: $(cat "$root/root/piped")"
[ ! -s "$root/root/built" ] || failed "$cache/run.log" "make run built $(cat "$root/root/built")"
grep '^deps: ' "$cache/run.log" | sed 's/^/    /'
grep -q '^deps: installing' "$cache/run.log" || failed "$cache/run.log" "make run installed nothing"
say "ok: make run built figcalc alone, which divided 6 by 3"

fresh_root
say "test command: git and make added; make check"
inside 3600 "$(apt_install git make) && cd /root/figcalc && make check" >"$cache/check.log" 2>&1 ||
  failed "$cache/check.log" "make check"
grep -E 'tests passed|^deps: ' "$cache/check.log" | sed 's/^/    /'
say "ok: make check passed"
