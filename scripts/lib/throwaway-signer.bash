# A code-signing certificate made here, for the builds that are signed as a release is but never
# leave the machine (sourced by scripts/test and scripts/check-reproducible).
#   throwaway_signer FOLDER   makes FOLDER/signer.pfx, its password and cert.pem (the authority that
#                             verifies them) once, and again when it is about to expire
throwaway_signer() {
  local folder="$1"
  openssl x509 -checkend 86400 -noout -in "$folder/cert.pem" >/dev/null 2>&1 && return 0
  mkdir -p "$folder"
  echo throwaway >"$folder/password"
  openssl req -x509 -newkey rsa:2048 -nodes -days 30 -subj "/CN=Abaquino test signer" \
    -keyout "$folder/key.pem" -out "$folder/cert.pem" 2>/dev/null
  openssl pkcs12 -export -inkey "$folder/key.pem" -in "$folder/cert.pem" \
    -passout "file:$folder/password" -out "$folder/signer.pfx"
}
