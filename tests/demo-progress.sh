#!/bin/sh
# Runs scripts/demo with stand-ins for setup, CMake and the built program, in
# a scratch copy of the tree: the build's progress must reach the person, and
# the first build must say how long it takes.
set -eu
source_dir=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/tree/scripts" "$scratch/bin"
cp "$source_dir/scripts/demo" "$scratch/tree/scripts/demo"
printf '#!/bin/sh\nexit 0\n' >"$scratch/tree/scripts/setup"
cat >"$scratch/bin/cmake" <<'STUB'
#!/bin/sh
case " $* " in
  *" --build "*)
    echo "[ 50%] Building CXX object cli/main.cpp.o"
    mkdir -p build/cli
    printf '#!/bin/sh\necho "ormix ran"\n' >build/cli/ormix
    chmod +x build/cli/ormix ;;
esac
STUB
chmod +x "$scratch/tree/scripts/demo" "$scratch/tree/scripts/setup" "$scratch/bin/cmake"
first=$(PATH="$scratch/bin:$PATH" "$scratch/tree/scripts/demo")
again=$(PATH="$scratch/bin:$PATH" "$scratch/tree/scripts/demo")
echo "$first" | grep -q "the first build compiles everything and takes about [0-9][0-9]* minutes"
echo "$first" | grep -q "Building CXX object cli/main.cpp.o"
echo "$first" | grep -q "ormix ran"
echo "$again" | grep -q "only what changed"
echo "demo shows its progress"
