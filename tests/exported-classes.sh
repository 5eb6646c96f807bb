#!/usr/bin/env bash
# Every class that a public header defines is part of the library's interface and must carry
# the export macro: the tests link the library's objects directly and would not notice.
set -uo pipefail
cd "$1"
missing=$(grep -nE '^class [A-Za-z_]\w*( final)?\s*(:|\{)' nativepp/*.h $(find proxies -name '*.h') |
          grep -v NATIVEPP_EXPORT | grep -vE 'template' || true)
# Class templates are instantiated by their users and need no export.
missing=$(while IFS= read -r hit; do
    [ -n "$hit" ] || continue
    file=${hit%%:*}; rest=${hit#*:}; line=${rest%%:*}
    prev=$(sed -n "$((line - 1))p" "$file")
    [[ $prev == template* ]] || echo "$hit"
done <<<"$missing")
if [ -n "$missing" ]; then
    printf 'classes of public headers without NATIVEPP_EXPORT:\n%s\n' "$missing"
    exit 1
fi
echo "every class of the public headers is exported"
