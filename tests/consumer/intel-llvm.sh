#!/bin/sh
# Plays Intel's icx (and, under the name icpx, icpx) for CMake and for the
# code it compiles: Clang predefining __INTEL_LLVM_COMPILER, by which CMake
# tells icx apart, and computing under the fast floating-point model, icx's
# default, unless the command line chooses a model of its own. icx spells a
# model -fp-model=<name>, which is Clang's -ffp-model=<name>.
case ${0##*/} in
icpx) driver=clang++ ;;
*) driver=clang ;;
esac
model=-ffp-model=fast
for arg; do
    shift
    case $arg in
    -fp-model=*) model='' arg=-ffp-model=${arg#-fp-model=} ;;
    -ffp-model=*) model= ;;
    esac
    set -- "$@" "$arg"
done
exec "$driver" -D__INTEL_LLVM_COMPILER=20250100 $model "$@"
