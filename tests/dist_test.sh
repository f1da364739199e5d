#!/usr/bin/env bash
# The downloads in DIST as their users get them, each unpacked into the folder UNPACKED (the
# Debian package installed there, in root/, with dpkg), where the end-to-end tables and the
# console tests then run the programs. Checked here: SHA256SUMS, what each download holds, and
# a table of what the tables cannot see: the version and the license in each, lintian on the
# package, the hardening lintian does not check, figcalc.exe's resources, the files' encodings.
# shellcheck source=lib.sh
. "$(dirname "$0")/lib.sh"
dist=$1 version=$2 unpacked=$3
v=figcalc-$version deb=figcalc_${version}_amd64.deb msi=$dist/figcalc-$version-win64.msi
# Each check, a line of a table: a command, and a pattern (grep -E) that must be in its output.
check() {
  while IFS='#' read -r what command pattern; do
    what=${what%"${what##*[! ]}"} pattern=${pattern# }
    out=$(eval "$command" 2>&1 || true)
    grep -qE "$pattern" <<<"$out" || fail "$what: $(head -c 2000 <<<"$out")"
    ok "$what"
  done
}
# With `install`, the installer under Wine (WINEPREFIX) as an administrator deploys it, over an
# earlier version (its own version and codes lowered): one entry in Apps, the zip's files, and
# Start-menu entries for figcalc.cmd in their folder and the page; then `remove` leaves nothing.
# Wine under `setarch -R`, as in every Wine test (tests/CMakeLists.txt).
wine() { setarch -R "$(type -P wine)" "$@"; }
# Whether the file $1 is the web download, byte for byte, and shows the first menu opened where it lies (Chromium).
menu=$(sed -n 's/.*kMainMenu\[\] = "\(.*\)";/\1/p' "$top/src/messages.h")
opens() { cmp "$1" "$dist/$v-web.html" && /usr/bin/python3 "$top/tests/chromium.py" "$1" "$menu" && echo opens; }
# The path of the file that the Windows shortcut $1 runs, in WINEPREFIX.
target() { lnkinfo "$1" | sed -n 's/^\s*Local path\s*: C:/drive_c/p' | sed 's|[\]|/|g; s|^|'"${WINEPREFIX:-}"'/|'; }
case ${4:-} in
install)
  cp "$msi" "$work/old.msi"
  msibuild "$work/old.msi" -q "UPDATE Property SET Value='0.1' WHERE Property='ProductVersion'" -q "UPDATE Property \
    SET Value='{00000000-0000-0000-0000-000000000001}' WHERE Property='ProductCode'" -s figcalc "" "x64;1033" "{00000000-0000-0000-0000-000000000002}"
  for package in "$work/old.msi" "$msi"; do wine msiexec /i "$package" /qn || fail "msiexec /i $package: status $?"; done
  check <<EOT
Apps: one entry, version $version # wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s | tr -d '\r' | grep -A1 -E 'DisplayName +REG_SZ +figcalc$' | awk '{ print \$3 }' | paste -sd' ' # ^figcalc $version$
Apps: the icon                 # wine reg query 'HKLM\Software\Classes\Installer\Products' /s # ProductIcon +REG_SZ +C:.windows.Installer..*.figcalc.ico
installed: the zip's files     # diff -r "$unpacked/$v-win64" "${WINEPREFIX:-}/drive_c/Program Files/figcalc" && echo same # ^same$
Start menu: the web page, opened # opens "$(target "$(find "${WINEPREFIX:-}/drive_c" -name '*.lnk' ! -name figcalc.lnk)")" # ^opens$
Start menu: figcalc.cmd in its folder, the description, the icon # lnkinfo "$(find "${WINEPREFIX:-}/drive_c" -name figcalc.lnk)" | grep -E '(path|directory|Description|location)[[:space:]]+:' | cut -d: -f2- | paste -sd'|' # ^ C:.Program Files.figcalc.figcalc.cmd\| $(head -1 "$top/doc/description.ru.txt")\| C:.Program Files.figcalc.\| C:.windows.Installer..*.figcalc.ico$
EOT
  exit ;;
remove) # (the upgrade code as the registry packs it)
  wine msiexec /x "$msi" /qn || fail "msiexec /x: status $?"
  check <<EOT
removed: no file or folder     # cd "${WINEPREFIX:-}/drive_c" && find . -ipath '*figcalc*' | wc -l # ^0$
removed: no registry key       # for k in HKLM HKCU; do wine reg export \$k "$work/reg" /y >/dev/null && iconv -f UTF-16 -t UTF-8 "$work/reg"; done | grep -ciE "figcalc|\$(msiinfo export "$msi" Property | perl -ne 'print map { scalar reverse } /^UpgradeCode\t\{(\w{8})-(\w{4})-(\w{4})-(\w\w)(\w\w)-(\w\w)(\w\w)(\w\w)(\w\w)(\w\w)(\w\w)/')" # ^0$
EOT
  exit ;;
esac

rm -rf "$unpacked"
mkdir -p "$unpacked/root/var/lib/dpkg/info" "$unpacked/root/var/lib/dpkg/updates"
touch "$unpacked/root/var/lib/dpkg/status"
cd "$unpacked"
# Fails unless the folder $1 holds exactly the files named after it.
holds() {
  printf '%s\n' "${@:2}" | cmp -s - <(cd "$1" && find . -type f | LC_ALL=C sort) ||
    fail "$1 should hold exactly: ${*:2}"
}

(cd "$dist" && sha256sum --quiet -c SHA256SUMS && [ "$(wc -l <SHA256SUMS)" = 7 ]) ||
  fail "SHA256SUMS should hold the sum of every download"
holds "$dist" ./SHA256SUMS "./$v-linux-aarch64.tar.gz" "./$v-linux-x86_64.tar.gz" "./$v-web.html" \
  "./$v-win64.msi" "./$v-win64.zip" "./$v.tar.gz" "./$deb"
ok "$dist holds the downloads of $version and their sums"
for arch in x86_64 aarch64; do
  tar -xzf "$dist/$v-linux-$arch.tar.gz"
  holds "$v-linux-$arch" ./LICENSE ./README ./bin/figcalc ./figcalc.html \
    ./share/doc/figcalc/changelog.gz ./share/doc/figcalc/copyright \
    ./share/man/man1/figcalc.1.gz ./share/man/ru/man1/figcalc.1.gz
done
cmake -E tar xf "$dist/$v-win64.zip"
holds "$v-win64" ./LICENSE.txt ./README.txt ./figcalc.cmd ./figcalc.exe ./figcalc.html
dpkg --root=root --force-depends --force-not-root -i "$dist/$deb" >/dev/null
ok "unpacked, and the package installed"

# The checks on the unpacked downloads.
elf() { LC_ALL=C readelf -W "$@"; }
tgz=$v-linux-x86_64 arm=$v-linux-aarch64 win=$v-win64 pkg=root/usr exe=$v-win64/figcalc.exe
# figcalc.exe's resources, its version resource and manifest, as text.
resources() { x86_64-w64-mingw32-windres -i "$exe" -O rc | perl -CS -pe 's/\\x([0-9a-f]{4})/chr(hex $1)/ge'; }
# The first lines of each manual page, changelog and README.txt in the downloads.
heads() {
  for f in {$tgz,$arm,$pkg}/share/{man/man1,man/ru/man1,doc/figcalc}/*.gz; do zcat "$f" | head -3; done
  iconv -f UTF-16 -t UTF-8 "$win/README.txt" | head -1
}
# What the package's desktop entry $1 opens, run as a desktop runs it, with figcalc on the PATH and
# an xdg-open that names its file.
browsed() {
  # shellcheck disable=SC2016
  printf '#!/bin/sh\nrealpath "$1"\n' >"$work/xdg-open" && chmod +x "$work/xdg-open"
  PATH=$PWD/$pkg/bin:$work:$PATH eval "$(sed -n 's/^Exec=//p' "$pkg/share/applications/$1.desktop" | sed 's/\\\\/\\/g')"
}
copyright=$(grep -m1 '^Copyright' "$top/LICENSE" | sed 's/[()]/\\&/g')
check <<EOT
lintian: no tag at all         # lintian -E -I --pedantic "$dist/$deb" 2>&1 | grep -v 'root privileges' || echo none # ^none$
desktop entries: nothing to say # desktop-file-validate $pkg/share/applications/*.desktop 2>&1 | wc -l # ^0$
web page in the tarballs       # opens $tgz/figcalc.html && opens $arm/figcalc.html # ^opens$
web page in the zip            # opens $win/figcalc.html # ^opens$
web page: the package's entry opens it # opens "$(browsed figcalc-web)" # ^opens$
AppStream: no error            # appstreamcli validate-tree --no-net root 2>&1 # Validation (was successful|failed: warnings: [0-9]+)$
version: the package           # dpkg-deb -f "$dist/$deb" Version # ^$version$
version: pages, changelogs     # heads | grep -cE '"figcalc $version"|^figcalc \\($version\\)' # ^9$
version: README.txt            # heads | tail -1 # ^$(head -1 "$top/doc/README.txt.in" | sed "s/@PROJECT_VERSION@/$version/")
version: figcalc.exe           # resources # VALUE "FileVersion", "$version"
version: the web page          # grep -c "figcalc $version" "$dist/$v"-web.html # ^2$
web page: both help texts      # grep -c 'class="manual-text"' "$dist/$v"-web.html # ^2$
package: depends on C and C++ only # dpkg-deb -f "$dist/$deb" Depends | tr , '\n' | grep -cvE '^ *(libc6|libgcc-s1|libstdc\+\+6) ' # ^0$
license in the package         # cat $pkg/share/doc/figcalc/copyright # ^License: Expat$
license in the tarballs        # cmp "$top/LICENSE" $tgz/LICENSE && cmp "$top/LICENSE" $arm/LICENSE && echo same # ^same$
license in the zip, CR LF      # sed 's/\$/\r/' "$top/LICENSE" | cmp - $win/LICENSE.txt && echo same # ^same$
license in the web page        # grep -cFxf <(grep . "$top/LICENSE") "$dist/$v"-web.html # ^$(grep -c . "$top/LICENSE")$
package: stack protector       # elf --dyn-syms $pkg/bin/figcalc # __stack_chk_fail
package: no .comment section   # elf -p .comment $pkg/bin/figcalc # does not exist
tarball: static PIE            # elf -h -l $tgz/bin/figcalc | grep -cE 'Type: +DYN|INTERP' # ^1$
tarball: read-only relocations # elf -l $tgz/bin/figcalc # GNU_RELRO
tarball: immediate binding     # elf -d $tgz/bin/figcalc # FLAGS.*BIND_NOW
ARM tarball: static PIE        # elf -h -l $arm/bin/figcalc | grep -cE 'Type: +DYN|INTERP' # ^1$
ARM tarball: read-only relocations # elf -l $arm/bin/figcalc # GNU_RELRO
ARM tarball: immediate binding # elf -d $arm/bin/figcalc # FLAGS.*BIND_NOW
exe: ASLR                      # x86_64-w64-mingw32-objdump -p $exe # DYNAMIC_BASE
exe: high-entropy ASLR         # x86_64-w64-mingw32-objdump -p $exe # HIGH_ENTROPY_VA
exe: DEP                       # x86_64-w64-mingw32-objdump -p $exe # NX_COMPAT
exe: no time stamp             # TZ=UTC x86_64-w64-mingw32-objdump -p $exe # Time/Date.*Jan  1 00:00:00 1970
exe: stripped                  # x86_64-w64-mingw32-objdump -t $exe # no symbols
exe: description in Russian    # resources # VALUE "FileDescription", L"figcalc: $(head -1 "$top/doc/description.ru.txt")"
exe: copyright and license     # resources # VALUE "LegalCopyright", "$copyright\\. MIT License"
exe: original file name        # resources # VALUE "OriginalFilename", "figcalc.exe"
exe: manifest, as invoker      # resources # level=""asInvoker""
exe: manifest, Windows 10 and 11 # resources # supportedOS Id=""\\{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a\\}""
exe: no code page setting      # resources | grep -c activeCodePage # ^0$
README.txt: UTF-16            # head -c 2 $win/README.txt | od -An -tx1 # ff fe
README.txt: CR LF              # iconv -f UTF-16 -t UTF-8 $win/README.txt | grep -c $'[^\\r]\$' # ^0$
start file with CR LF          # grep -c $'[^\\r]\$' $win/figcalc.cmd # ^0$
tarball README: what it names is there # grep -oE '(bin|share)/[^ ":]*|LICENSE' $tgz/README | (cd $tgz && xargs ls -d) >/dev/null && echo all there # ^all there$
EOT
