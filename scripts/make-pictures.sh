#!/usr/bin/env bash
# Redraws docs/roundabout.png and docs/crossroads.png from the examples, the way a user gets
# them: gyrolith-cli export-emf, then emf2svg-conv (emf2svg) and rsvg-convert (librsvg2-bin).
# docs/report.png is the first page of the roundabout's report: gyrolith-cli report, then
# LibreOffice (libreoffice-writer-nogui) and pdftoppm (poppler-utils).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD:-build}
for tool in emf2svg-conv rsvg-convert soffice pdftoppm; do
  command -v "$tool" >/dev/null || { echo "$tool is missing (apt-get install emf2svg librsvg2-bin libreoffice-writer-nogui poppler-utils)" >&2; exit 1; }
done
cmake --build "$build" --target gyrolith-cli >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for name in roundabout crossroads; do
  "$build/src/cli/gyrolith-cli" export-emf "examples/$name.crs" -o "$work/$name.emf"
  emf2svg-conv -i "$work/$name.emf" -o "$work/$name.svg"
  rsvg-convert -b white -w 1400 "$work/$name.svg" -o "docs/$name.png"
  echo "docs/$name.png"
done
"$build/src/cli/gyrolith-cli" report examples/roundabout.crs --definition 1 -o "$work/report.rtf"
timeout 300 soffice -env:UserInstallation="file://$work/profile" --headless --norestore \
  --convert-to pdf --outdir "$work" "$work/report.rtf" >/dev/null
pdftoppm -png -r 80 -f 1 -l 1 -singlefile "$work/report.pdf" docs/report
echo "docs/report.png"
