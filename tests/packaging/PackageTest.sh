#!/usr/bin/env bash
# Builds the Debian package from its own Release configuration, unpacks it into a temporary root
# and checks what the desktop (menu entry, icon, document type), the workstation's help lookup and
# Debian's tools rely on. Every check runs; the test fails if any of them failed.
#
# Usage: PackageTest.sh SOURCE_DIR PACKAGE_BUILD_DIR CXX DOCUMENT.dv3
set -uo pipefail
source_dir="$1"
build_dir="$2"
cxx="$3"
document="$4"

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}
ok() { echo "ok: $*"; }

deb="$("$source_dir/packaging/build-package.sh" "$build_dir" "$cxx" | tail -n 1)"
if [ ! -f "$deb" ]; then
    echo "FAIL: no package was built"
    exit 1
fi
echo "package: $deb"

# An awkward root, as a user's home might give: a blank and Cyrillic in the path.
work="$(mktemp -d "${TMPDIR:-/tmp}/пакет duvt.XXXXXX")"
trap 'rm -rf "$work"' EXIT
root="$work/root"
dpkg-deb -x "$deb" "$root" || { echo "FAIL: dpkg-deb -x"; exit 1; }

field() { dpkg-deb -f "$deb" "$1"; }

# ---- control fields

project_version="$(sed -n 's/^project(duvt VERSION \([0-9.]*\).*/\1/p' "$source_dir/CMakeLists.txt")"
changelog_version="$(sed -n '1s/^duvt (\([^)]*\)).*/\1/p' "$source_dir/packaging/changelog")"
declare -A expected_fields=(
    [Package]=duvt
    [Version]="$changelog_version"  # the top entry of the changelog names the package built
    [Architecture]="$(dpkg --print-architecture)"
    [Section]=electronics
    [Priority]=optional
)
for name in "${!expected_fields[@]}"; do
    value="$(field "$name")"
    [ "$value" = "${expected_fields[$name]}" ] || fail "$name is '$value', expected '${expected_fields[$name]}'"
done
case "$changelog_version" in
    "$project_version"-*) ok "changelog $changelog_version follows project version $project_version" ;;
    *) fail "changelog version $changelog_version does not follow project version $project_version" ;;
esac
[ -n "$(field Maintainer)" ] || fail "no Maintainer"
[ "$(field Description | wc -l)" -gt 2 ] || fail "no extended Description"

depends="$(field Depends)"
echo "Depends: $depends"
# Package names alone, one a line: "libqt6core6 (>= 6.4.2)" -> "libqt6core6".
depends_names="$(tr ',|' '\n\n' <<<"$depends" | sed 's/(.*)//; s/:any//; s/[[:space:]]//g' | sed '/^$/d' | sort -u)"
depends_on() { grep -qx "$1" <<<"$depends_names"; }
# Loaded at run time, never linked: a platform plugin to show a window, Qt's Russian texts
# (qtbase_ru.qm is read from Qt's translations folder), the protocol's fixed-pitch font.
for package in qt6-qpa-plugins qt6-translations-l10n fonts-liberation; do
    depends_on "$package" || fail "Depends lacks $package"
done
dev_packages="$(grep -- '-dev$' <<<"$depends_names")"
[ -z "$dev_packages" ] || fail "Depends names development packages: $dev_packages"
if dpkg -L qt6-translations-l10n >/dev/null 2>&1; then
    dpkg -L qt6-translations-l10n | grep -q '/qtbase_ru\.qm$' ||
        fail "qt6-translations-l10n does not hold qtbase_ru.qm"
fi

# ---- the programs

# The package holding a library file; with merged /usr, dpkg may know it by either path.
owner_of() {
    local real
    real="$(readlink -f "$1")"
    for candidate in "$real" "${real#/usr}" "$1"; do
        [ -n "$candidate" ] || continue
        dpkg -S "$candidate" 2>/dev/null | head -n 1 | cut -d: -f1 && return
    done
}

programs=(duvt duvt-cli)
[ -x "$build_dir/bin/duvt-sim" ] && programs+=(duvt-sim)
for program in "${programs[@]}"; do
    binary="$root/usr/bin/$program"
    if [ ! -x "$binary" ]; then
        fail "usr/bin/$program missing"
        continue
    fi
    readelf -S --wide "$binary" | grep -qE '\.symtab|\.debug_' && fail "$program is not stripped"
    # Every library it links must come from a package the package depends on.
    while read -r library; do
        path="$(ldconfig -p | awk -v lib="$library" '$1 == lib { print $NF; exit }')"
        owner="$(owner_of "$path")"
        if [ -z "$owner" ]; then
            fail "$program links $library, which no installed package holds"
        elif ! depends_on "$owner"; then
            fail "$program links $library from $owner, which is not in Depends"
        fi
    done < <(readelf -d "$binary" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p')
    [ -f "$root/usr/share/man/man1/$program.1.gz" ] || fail "no manual page for $program"
done

# The unpacked release binaries run against the libraries of this system.
export QT_QPA_PLATFORM=offscreen
if "$root/usr/bin/duvt-cli" check "$document" | grep -q 'КРЖ-12'; then
    ok "duvt-cli check reads a document"
else
    fail "duvt-cli check $document"
fi

# ---- desktop entry: what Exec, Icon and MimeType name must be in the package

desktop="$root/usr/share/applications/duvt.desktop"
entry() { sed -n "s/^$1=//p" "$desktop" | head -n 1; }
if [ ! -f "$desktop" ]; then
    fail "usr/share/applications/duvt.desktop missing"
else
    [ "$(entry Name)" = "ДУВ Технолога" ] || fail "desktop Name is '$(entry Name)'"
    [ "$(entry Exec)" = "duvt %f" ] || fail "desktop Exec is '$(entry Exec)'"
    exec_program="$(entry Exec | cut -d' ' -f1)"
    [ -x "$root/usr/bin/$exec_program" ] || fail "Exec names $exec_program, not in usr/bin"
    if command -v desktop-file-validate >/dev/null; then
        desktop-file-validate "$desktop" && ok "desktop-file-validate" || fail "desktop-file-validate"
    fi

    icon="$(entry Icon)"
    hicolor="$root/usr/share/icons/hicolor"
    [ -f "$hicolor/scalable/apps/$icon.svg" ] || fail "no scalable icon $icon.svg"
    for size in 16 22 24 32 48 64 128 256; do
        png="$hicolor/${size}x${size}/apps/$icon.png"
        if [ ! -f "$png" ]; then
            fail "no ${size}x${size} icon"
            continue
        fi
        # PNG header: width and height are the big-endian words at bytes 16 and 20.
        read -r width height < <(od -An -tu1 -j16 -N8 "$png" |
            awk '{ print $1*16777216 + $2*65536 + $3*256 + $4, $5*16777216 + $6*65536 + $7*256 + $8 }')
        [ "$width x $height" = "$size x $size" ] || fail "$png is $width x $height"
    done

    # The document type the entry claims must be defined, and *.dv3 must map to it.
    mime_type="$(entry MimeType | cut -d';' -f1)"
    [ "$mime_type" = "application/x-dv3" ] || fail "desktop MimeType is '$(entry MimeType)'"
    packages="$root/usr/share/mime/packages/duvt.xml"
    if [ ! -f "$packages" ]; then
        fail "usr/share/mime/packages/duvt.xml missing"
    else
        grep -q "type=\"$mime_type\"" "$packages" || fail "duvt.xml does not define $mime_type"
        grep -q 'xml:lang="ru"' "$packages" || fail "duvt.xml has no Russian comment"
        if command -v update-mime-database >/dev/null; then
            mime="$work/mime"
            mkdir -p "$mime/packages"
            cp "$packages" "$mime/packages/"
            if update-mime-database "$mime" >/dev/null 2>&1 &&
                grep -qx "[0-9]*:$mime_type:\*\.dv3" "$mime/globs2"; then
                ok "*.dv3 maps to $mime_type"
            else
                fail "update-mime-database does not map *.dv3 to $mime_type"
            fi
        fi
    fi

    # The workstation looks for help beside itself, then in ../share/duvt/help.
    for page in index1.htm index2.htm; do
        [ -f "$root/usr/bin/../share/duvt/help/$page" ] || fail "help page $page missing"
    done
fi

# ---- Debian's documentation and the package's files

doc="$root/usr/share/doc/duvt"
[ -f "$doc/copyright" ] || fail "usr/share/doc/duvt/copyright missing"
if gzip -t "$doc/changelog.Debian.gz" 2>/dev/null; then
    [ "$(zcat "$doc/changelog.Debian.gz" | head -n 1 | sed 's/^duvt (\([^)]*\)).*/\1/')" = "$(field Version)" ] ||
        fail "changelog.Debian.gz does not start with this version"
    # gzip -n: bytes 4-7 (the time stamp) are zero, so rebuilding changes nothing.
    [ "$(od -An -tu1 -j4 -N4 "$doc/changelog.Debian.gz" | tr -d ' ')" = "0000" ] ||
        fail "changelog.Debian.gz carries a time stamp"
else
    fail "usr/share/doc/duvt/changelog.Debian.gz missing or broken"
fi

# Owned by root; directories 0755, programs 0755, everything else 0644.
while read -r mode owner _ _ _ path; do
    case "$mode:$path" in
        drwxr-xr-x:*/) ;;
        -rwxr-xr-x:./usr/bin/*) ;;
        -rw-r--r--:*) [[ "$path" == ./usr/bin/* ]] && fail "$path is not executable" ;;
        *) fail "$path has mode $mode" ;;
    esac
    [ "$owner" = "root/root" ] || fail "$path is owned by $owner"
done < <(dpkg-deb -c "$deb")

# ---- lintian, when installed (scripts/deps.sh installs it)

if command -v lintian >/dev/null; then
    if lintian --fail-on error --tag-display-limit 0 "$deb"; then
        ok "lintian: no errors"
    else
        fail "lintian reports errors"
    fi
else
    echo "lintian not installed: skipped"
fi

echo "$failures check(s) failed"
[ "$failures" -eq 0 ]
