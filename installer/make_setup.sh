#!/bin/sh
# Runs makensis for the setup with the files that may be missing looked for now, not when the
# build was configured: the 32-bit module of the win32 build and the language model. Their
# defines go before the other arguments, since makensis reads the script where it is named.
#   make_setup.sh MODULE32 DATA_FOLDER MAKENSIS ARGUMENTS...
m32=$1
data=$2
makensis=$3
shift 3
if [ -f "$data/data_lm.bin" ]; then
  set -- -DLANGUAGE_MODEL "$@"
fi
if [ -f "$m32" ]; then
  set -- "-DMODULE32=$m32" "$@"
else
  echo "setup: no 32-bit module at $m32; the setup carries the 64-bit module only" >&2
fi
exec "$makensis" "$@"
