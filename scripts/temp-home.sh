# Sourced by the scripts that start the game: `temp_home DIR` makes DIR the home and the XDG
# folders, so nothing they run touches the real ones.
temp_home() {
  export HOME="$1" XDG_CONFIG_HOME="$1/config" XDG_DATA_HOME="$1/data"
  export XDG_RUNTIME_DIR="$1/runtime"
  mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
}
