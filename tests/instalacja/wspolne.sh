# Wspólne dla testów budowy: katalog tymczasowy usuwany na końcu i zgłoszenie błędu.
set -euo pipefail
TMP=$(mktemp -d)
trap 'rm -rf "$TMP"' EXIT
blad() { echo "BŁĄD: $*" >&2; exit 1; }
