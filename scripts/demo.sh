#!/usr/bin/env bash
# The README's main-job command: install what is missing, build, start the private
# MariaDB kept in .state/ (it survives between runs) and run the demo host.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"
build=${VELMO_BUILD_DIR:-$root/build}
state="$root/.state"
mkdir -p "$state"

socket="$state/mariadb/mysqld.sock"
if ! mariadb-admin --no-defaults --socket="$socket" -uroot ping >/dev/null 2>&1; then
    if [ -d "$state/mariadb/data" ]; then
        setsid mariadbd --no-defaults --datadir="$state/mariadb/data" --socket="$socket" \
            --pid-file="$state/mariadb/mysqld.pid" --skip-networking --user=root \
            --character-set-server=utf8mb4 --innodb-log-file-size=8M \
            >"$state/mariadb/server.log" 2>&1 </dev/null &
        for _ in $(seq 1 600); do
            mariadb-admin --no-defaults --socket="$socket" -uroot ping >/dev/null 2>&1 && break
            sleep 0.05
        done
    else
        "$root/tests/fixtures/mariadb.sh" start "$state/mariadb"
    fi
fi
mariadb --no-defaults --socket="$socket" -uroot -e "create database if not exists velmo_demo"

exec "$build/tools/velmo-host/velmo-host" \
    --connection "Server=localhost;Database=velmo_demo;Uid=root;Pwd=;Socket=$socket" "$@"
