#!/bin/sh
# Checks the manual pages with mandoc's linter, all at once so that their
# cross references resolve: any message at all fails. Skipped (status 77)
# where mandoc is not installed.
# Usage: lint.sh PAGE...
command -v mandoc >/dev/null || { echo "mandoc is not installed"; exit 77; }
messages=$(mandoc -Tlint "$@" 2>&1)
[ -z "$messages" ] || { printf '%s\n' "$messages"; exit 1; }
