# Shared start of the end-to-end test scripts, sourced with the build folder as $1: sets
# $build, $bin and $work (a scratch folder removed on exit), points the Wine wrapper at the
# build, and gives expect WHAT EXPECTED ACTUAL, which counts mismatches in $failures.
build=$(cd "$1" && pwd)
bin=$build/bin
export ZX_BUILD_DIR=$build
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

expect() {
  if [ "$2" != "$3" ]; then
    printf 'FAIL %s\n  expected: %s\n  actual:   %s\n' "$1" "$2" "$3"
    failures=$((failures + 1))
  fi
}
