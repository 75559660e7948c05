#!/usr/bin/env bash
# Remakes the office fixtures with LibreOffice from the shipped templates (data/sys):
#   lo_paper.dotx, lo_score.xltx  the templates as LibreOffice saves them again
#   legacy_paper.dot, legacy_score.xlt  the binary formats of existing installations
# The tests only read the committed files.
# SPDX-License-Identifier: GPL-3.0-or-later
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
shipped="$here/../../../data/sys"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
convert() { # FILTER OUTDIR INPUT
  soffice -env:UserInstallation="file://$work/profile" --headless --norestore \
    --convert-to "$1" --outdir "$2" "$3" >/dev/null
}
mkdir -p "$work/lo" "$work/legacy"
convert 'dotx:MS Word 2007 XML Template' "$work/lo" "$shipped/paper.dotx"
convert 'xltx:Calc MS Excel 2007 XML Template' "$work/lo" "$shipped/score.xltx"
convert 'dot:MS Word 97 Vorlage' "$work/legacy" "$shipped/paper.dotx"
convert 'xlt:MS Excel 97 Vorlage/Template' "$work/legacy" "$shipped/score.xltx"
cp "$work/lo/paper.dotx" "$here/lo_paper.dotx"
cp "$work/lo/score.xltx" "$here/lo_score.xltx"
cp "$work/legacy/paper.dot" "$here/legacy_paper.dot"
cp "$work/legacy/score.xlt" "$here/legacy_score.xlt"
ls -l "$here"
