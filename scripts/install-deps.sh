#!/bin/sh
# Installs the Debian/Ubuntu packages the build and the tests need, only those missing.
set -eu

PACKAGES="build-essential cmake pkg-config ccache \
qt6-base-dev qt6-base-private-dev libqt6sql6-sqlite libqt6svg6 \
qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools qt6-translations-l10n \
libgl1-mesa-dev libsqlite3-dev fonts-material-design-icons-iconfont fonts-dejavu-core \
qt6-httpserver-dev qt6-websockets-dev libsodium-dev libqt6sql6-psql postgresql \
qtkeychain-qt6-dev libofx-dev fonts-noto-cjk \
python3 librsvg2-bin desktop-file-utils appstream file dpkg-dev"

missing=""
for p in $PACKAGES; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $p"
    fi
done

if [ -z "$missing" ]; then
    exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then
    SUDO="sudo"
fi
echo "Installing:$missing"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
# shellcheck disable=SC2086
$SUDO apt-get install -y -qq --no-install-recommends $missing
