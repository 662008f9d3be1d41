#!/usr/bin/env bash
# Every example in the docs is what the program prints: fails, showing the
# difference, until the docs are regenerated with scripts/doc_examples.sh.
#
# usage: doc_examples.sh PATH-TO-gxa-host
set -euo pipefail
exec "$(dirname "$0")/../../scripts/doc_examples.sh" --check "${1:?usage: doc_examples.sh PATH-TO-gxa-host}"
