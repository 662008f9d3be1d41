#!/usr/bin/env bash
# Writes the manual page gxa-host(1) from the program's own --help texts, so
# the page says what the installed program says.
#
# usage: packaging/manpage.sh GXA-HOST MODULE-PATH > gxa-host.1
#   MODULE-PATH: where the installed module lives; it replaces the build's
#   path in the texts.
set -euo pipefail
host=$1 module=$2
built=$("$host" --version | sed -n 's/^module: //p')

# roff: a leading dot or quote would be a request; backslashes are escapes.
roff() { sed -e 's/\\/\\e/g' -e 's/^\([.'"'"']\)/\\\&\1/' -e "s#${built//#/\\#}#${module//#/\\#}#g"; }

version=$("$host" --version | head -n1)
echo ".TH GXA-HOST 1 \"\" \"${version}\" \"User Commands\""
echo ".SH NAME"
echo "gxa-host \\- the stand-in host of the gxa colour chooser module"
echo ".SH SYNOPSIS"
echo ".B gxa-host"
echo ".I VERB"
echo "[options]"
echo ".SH DESCRIPTION"
echo ".nf"
"$host" --help | roff
echo ".fi"
for verb in $("$host" --help | sed -n 's/^  \([a-z][a-z-]*\) .*/\1/p'); do
  echo ".SH ${verb^^}"
  echo ".nf"
  "$host" "$verb" --help | roff
  echo ".fi"
done
echo ".SH FILES"
echo "Preferences in \$XDG_CONFIG_HOME/gxa-host/, documents and presets in \$XDG_DATA_HOME/gxa-host/."
