# The offline demonstration of tools/run --demo: a loopback server for the
# sample share page, and its link on the clipboard. Source it; needs DISPLAY.

start_demo_server() {
  local address_file
  address_file=$(mktemp)
  python3 "$ZOVRA_ROOT/tools/demo_server.py" >"$address_file" &
  ZOVRA_DEMO_PID=$!
  for _ in $(seq 50); do
    [[ -s $address_file ]] && break
    sleep 0.1
  done
  ZOVRA_DEMO_LINK=$(head -n1 "$address_file")
  rm -f "$address_file"
  trap 'kill "$ZOVRA_DEMO_PID" 2>/dev/null; stop_wine_and_display' EXIT
  # The X clipboard is bridged to the Windows one.
  printf "%s" "$ZOVRA_DEMO_LINK" | xclip -selection clipboard 2>/dev/null
  echo "demo: share page at $ZOVRA_DEMO_LINK, its link is on the clipboard: press 粘贴"
}
