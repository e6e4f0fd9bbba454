#!/usr/bin/env bash
# Regenerates the number tables in data/: the Chiron ephemeris, the almuten
# tables, the chartwheel drawing tables and the atlas of towns. Installs the
# Debian packages the generators need when they are missing, builds the
# generators into their own folder (KAIROTEX_TOOLS_BUILD, default
# build-tools/) and writes into data/.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${KAIROTEX_TOOLS_BUILD:-$root/build-tools}"
data="$root/data"

needed=(cmake make g++ pkg-config libswe-dev swe-basic-data libcctz-dev tzdata libtimezonemap-data)
"$root/scripts/install_packages.sh" "${needed[@]}"

# The folder that holds the asteroid file with Chiron, as the package installs it.
asteroid_file="$(dpkg -L swe-basic-data | grep '/seas_18\.se1$' | head -n 1)"
if [[ -z "$asteroid_file" || ! -f "$asteroid_file" ]]; then
  echo "swe-basic-data does not provide seas_18.se1" >&2
  exit 1
fi
ephemeris_dir="$(dirname "$asteroid_file")"

# GeoNames' tables of towns, as libtimezonemap-data installs them.
cities_file="$(dpkg -L libtimezonemap-data | grep '/cities15000\.txt$' | head -n 1)"
if [[ -z "$cities_file" || ! -f "$cities_file" ]]; then
  echo "libtimezonemap-data does not provide cities15000.txt" >&2
  exit 1
fi
geonames_dir="$(dirname "$cities_file")"

cmake -S "$root/tools" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j "$(nproc)" >/dev/null

mkdir -p "$data"
"$build/chiron/kairotex_chiron_tables" "$ephemeris_dir" "$data"
"$build/almuten/kairotex_almuten_tables" "$data"
"$build/wheel/kairotex_wheel_tables" "$data"
"$build/atlas/kairotex_make_atlas" "$geonames_dir" "$data"
echo "data tables written to $data"
