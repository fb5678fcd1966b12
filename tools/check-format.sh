#!/usr/bin/env bash
# Checks that every C++ file is formatted as .clang-format says, by the
# clang-format of this machine's Debian release (14 on Debian 12, 19 on 13).
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-missing.sh git clang-format
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror
echo "formatted as .clang-format says: $(clang-format --version)"
