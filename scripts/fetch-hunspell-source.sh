#!/usr/bin/env bash
# Unpacks Debian's source package of Hunspell, the version of the installed libhunspell-dev, into
# a folder of the build tree (default build/third_party) and prints that folder last.
exec bash "$(dirname "$0")/fetch-source-package.sh" libhunspell-dev hunspell src/hunspell/hunspell.cxx "$@"
