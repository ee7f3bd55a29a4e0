#!/bin/bash
# The folders of src/ are layers, added bottom first in src/CMakeLists.txt.
# A folder may include the headers of its own layer and of those below it,
# never of one above; and each folder compiles only its own source files.
# Some folders stay apart from others whatever their places: printing/ only
# draws and prints pages, and knows nothing of issuing, signing or the window.
set -u
src=$1

declare -A apart=([printing]="issuing signing app")

mapfile -t layers < <(sed -n 's/^add_subdirectory(\([A-Za-z0-9_]*\)).*/\1/p' "$src/CMakeLists.txt")
declare -A rank home
for i in "${!layers[@]}"; do rank[${layers[$i]}]=$i; done

fail=0
for dir in "$src"/*/; do
    folder=${dir%/}
    folder=${folder##*/}
    if [[ -z ${rank[$folder]:-} ]]; then
        echo "src/$folder/ is not added in src/CMakeLists.txt, so it has no place among the layers"
        fail=1
    fi
    for h in "$dir"*.h; do
        [[ -e $h ]] && home[${h##*/}]=$folder
    done
done

# Each line: path:included name.
while IFS=: read -r file included; do
    folder=${file%/*}
    folder=${folder##*/}
    [[ -n ${rank[$folder]:-} ]] || continue
    owner=${home[${included##*/}]:-}
    [[ -n $owner && $owner != "$folder" && -n ${rank[$owner]:-} ]] || continue
    if [[ " ${apart[$folder]:-} " == *" $owner "* ]]; then
        echo "src/$folder/${file##*/} includes $included of src/$owner/, which src/$folder/ keeps apart from"
        fail=1
    fi
    if ((rank[$owner] > rank[$folder])); then
        echo "src/$folder/${file##*/} includes $included of src/$owner/, a layer above src/$folder/"
        fail=1
    fi
done < <(grep -H -o -E '^[[:space:]]*#[[:space:]]*include[[:space:]]*"[^"]*"' "$src"/*/*.h "$src"/*/*.cpp 2>/dev/null |
         sed -E 's/:[^"]*"([^"]*)"$/:\1/')

# A source named by a path out of its own folder.
while IFS= read -r line; do
    echo "$line: compiles a source of another folder"
    fail=1
done < <(grep -Hn -E '(\.\./|SOURCE_DIR\}/src/)' "$src"/*/CMakeLists.txt)

exit $fail
