#!/bin/sh
# The Windows programs keep the protections Windows gives a program that asks
# for them: a randomised base address anywhere in the 64-bit space, with the
# relocations that moving it needs, and data pages that never execute.
#
#     windows_kovennus.sh <objdump> <program.exe>...
set -eu
objdump=$1
shift
virheita=0

for ohjelma in "$@"; do
    otsake=$("$objdump" -p "$ohjelma")
    for lippu in DYNAMIC_BASE HIGH_ENTROPY_VA NX_COMPAT; do
        printf '%s\n' "$otsake" | grep -qx "[[:space:]]*$lippu" || {
            echo "$ohjelma: no $lippu"
            virheita=$((virheita + 1))
        }
    done
    if printf '%s\n' "$otsake" | grep -qx "[[:space:]]*relocations stripped"; then
        echo "$ohjelma: relocations stripped, so the base address cannot move"
        virheita=$((virheita + 1))
    fi
done

[ "$virheita" -eq 0 ]
