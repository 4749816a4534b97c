#!/bin/sh
# The two set-up commands of the project, each complete on its own on a fresh Debian 12:
#   sh build.sh run    install what is missing, build, start the game
#   sh build.sh test   install what is missing, build, run every test (plain and sanitizer builds)
set -e
cd "$(dirname "$0")"
case "$1" in
  run|test) ;;
  *) echo "usage: sh build.sh run|test" >&2; exit 2 ;;
esac
sh scripts/install-deps.sh
exec make "$1"
