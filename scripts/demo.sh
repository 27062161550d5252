#!/usr/bin/env bash
# The README's main-job command: install what is missing, build, start the private
# MariaDB and the local HTTPS account service kept in .state/ (both survive between
# runs), then run the demo host. With a display the sign-in window opens for a person
# (the service prints each one-time password it sends). Without one, or with
# --walkthrough, the host runs a scripted session on the offscreen platform and saves a
# screenshot of every step to .state/walkthrough.
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
connection="Server=localhost;Database=velmo_demo;Uid=root;Pwd=;Socket=$socket"

"$root/tests/fixtures/make-tls.sh" "$state/tls" >/dev/null
# The service of an earlier run answers on the port it noted, with this checkout's
# certificate; otherwise a new one starts on the first port from 8443 that no other
# program holds (another checkout's service, say).
answers() {
    curl -fs --cacert "$state/tls/ca.pem" "https://127.0.0.1:$1/auth/desktop-status.txt" \
        >/dev/null 2>&1
}
held() { (exec 3<>"/dev/tcp/127.0.0.1/$1") 2>/dev/null; }
port=$(cat "$state/account-service.port" 2>/dev/null || echo 8443)
if ! answers "$port"; then
    port=8443
    while held "$port"; do port=$((port + 1)); done
    setsid "$build/tools/velmo-account-service/velmo-account-service" --port "$port" \
        --cert "$state/tls/server.pem" --key "$state/tls/server.key" \
        --data-dir "$state/account-service" --status-text 1 \
        >>"$state/account-service.log" 2>&1 </dev/null &
    for _ in $(seq 1 100); do
        answers "$port" && break
        sleep 0.05
    done
    if ! answers "$port"; then
        echo "The account service did not start on port $port: see $state/account-service.log" >&2
        exit 1
    fi
    echo "$port" >"$state/account-service.port"
fi
export VELMO_ACCOUNT_SERVICE_URL="https://127.0.0.1:$port"
export VELMO_STATUS_URL="https://127.0.0.1:$port/auth/desktop-status.txt"
export VELMO_CA_BUNDLE="$state/tls/ca.pem"
echo "Account service: $VELMO_ACCOUNT_SERVICE_URL (one-time passwords: tail -f $state/account-service.log)"

host="$build/tools/velmo-host/velmo-host"
if [ "${1:-}" != "--walkthrough" ] && { [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; }; then
    exec "$host" --connection "$connection"
fi
rm -rf "$state/walkthrough"
QT_QPA_PLATFORM=offscreen exec "$host" --connection "$connection" \
    --walkthrough "$state/walkthrough"
