#!/usr/bin/env bash
# Installs the npm packages the build needs, each pinned to one version, into
# build/npm (ignored by git), when missing.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
prefix="$root/build/npm"

packages=(
  hanzi-writer-data@2.0.1   # stroke outlines and medians (Arphic Public License)
)

missing=()
for spec in "${packages[@]}"; do
  name=${spec%@*}
  version=${spec##*@}
  manifest="$prefix/node_modules/$name/package.json"
  grep -q "\"version\": *\"$version\"" "$manifest" 2>/dev/null || missing+=("$spec")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing from npm: ${missing[*]}"
mkdir -p "$prefix"
npm install --prefix "$prefix" --no-save --no-package-lock --no-audit --no-fund --loglevel=error \
  "${packages[@]}" >/dev/null
