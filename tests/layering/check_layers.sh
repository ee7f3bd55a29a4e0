#!/bin/bash
# The folders of src/ are layers, added bottom first in src/CMakeLists.txt.
# A folder may include the headers of its own layer and of those below it,
# never of one above; and each folder compiles only its own source files.
set -u
src=$1

mapfile -t layers < <(sed -n 's/^add_subdirectory(\([A-Za-z0-9_]*\)).*/\1/p' "$src/CMakeLists.txt")
declare -A rank home
for i in "${!layers[@]}"; do rank[${layers[$i]}]=$i; done

fail=0
for dir in "$src"/*/; do
    folder=$(basename "$dir")
    if [[ -z ${rank[$folder]:-} ]]; then
        echo "src/$folder/ is not added in src/CMakeLists.txt, so it has no place among the layers"
        fail=1
    fi
    for h in "$dir"*.h; do
        [[ -e $h ]] && home[$(basename "$h")]=$folder
    done
done

for file in "$src"/*/*.h "$src"/*/*.cpp; do
    [[ -e $file ]] || continue
    folder=$(basename "$(dirname "$file")")
    [[ -n ${rank[$folder]:-} ]] || continue
    while IFS= read -r included; do
        owner=${home[$(basename "$included")]:-}
        [[ -n $owner && $owner != "$folder" && -n ${rank[$owner]:-} ]] || continue
        if ((rank[$owner] > rank[$folder])); then
            echo "src/$folder/$(basename "$file") includes $included of src/$owner/, a layer above src/$folder/"
            fail=1
        fi
    done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$file")
done

# A source named by a path out of its own folder.
while IFS= read -r line; do
    echo "$line: compiles a source of another folder"
    fail=1
done < <(grep -Hn -E '(\.\./|SOURCE_DIR\}/src/)' "$src"/*/CMakeLists.txt)

exit $fail
