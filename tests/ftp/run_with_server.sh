#!/usr/bin/env bash
# Runs a scenario with the community test server on 127.0.0.1:21021, where
# the second module (built for the local server) looks for it, then prints
# what the server's shared-files folder holds. ctest runs such scenarios under
# one resource lock, so only one server holds the port at a time.
#   run_with_server.sh PASSWORD RUN_SCENARIO XPSIM PLUGIN SCRIPT FIXTURE_ROOT WORK_DIR
set -euo pipefail
password="$1"
shift
work="${!#}"
here=$(dirname "$0")
server_root="$work.server"
rm -rf "$server_root"
mkdir -p "$server_root"

exec 3< <(exec /usr/bin/python3 "$here/ftp_server.py" --password "$password" \
  --root "$server_root" --port 21021 --lifetime 600)
server=$!
trap 'kill "$server" 2>/dev/null || true' EXIT
if ! read -r -t 15 line <&3 || [ "${line%% *}" != "port" ]; then
  echo "the community test server did not start on 127.0.0.1:21021"
  exit 1
fi

status=0
"$@" || status=$?
echo "server holds: $(ls "$server_root/Ovilux/CommunityFiles" | sed 's/^[0-9]*_/N_/' | tr '\n' ' ')"
exit $status
