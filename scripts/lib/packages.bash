# The one list of packages, scripts/packages.txt, for the scripts that install (sourced).
#   install_missing_packages LIST SECTION...   installs what those sections name and is missing

install_missing_packages() {
  local list="$1" sections=" ${*:2} " package status
  local -a wanted missing=()
  mapfile -t wanted < <(awk -v sections="$sections" '
    /^\[.*\]$/ { section = substr($0, 2, length($0) - 2); next }
    /^[[:space:]]*(#|$)/ { next }
    index(sections, " " section " ") { print $1 }
  ' "$list")
  for package in "${wanted[@]}"; do
    status="$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)"
    [[ "$status" == "install ok installed" ]] || missing+=("$package")
  done
  ((${#missing[@]})) || return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [[ "$(id -u)" -eq 0 ]] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}
