# Authenticode signing of our images (SHA-256) with osslsigncode, from a PFX file, as
# tools/release signs the kit and the tests sign a build.
#
#   sign_image PFX IN OUT       signs IN into OUT; the program name the signature shows
#                               (Vista's elevation prompt) is IN's FileDescription
#   verify_image PFX SIGNED     the signature is intact and made with PFX's certificate
#   make_throwaway_pfx PFX      a self-signed code-signing certificate and its key, for
#                               tests and trials, protected by SETUP_SIGN_PASSWORD
#
# SETUP_SIGN_PASSWORD holds the PFX file's password (set and empty: none). It never
# appears on a command line, where any user could read it: osslsigncode reads it from a
# pipe, openssl from the environment. SETUP_SIGN_TIMESTAMP_URL, when set, names a
# time-stamping server that countersigns each signature with the Authenticode protocol,
# the one older Windows versions know (osslsigncode -t; an RFC 3161 server needs -ts).

_sign_password_set() {
  [ -n "${SETUP_SIGN_PASSWORD+set}" ] && return
  echo "set SETUP_SIGN_PASSWORD to the PFX file's password (empty for none)" >&2
  return 64
}

sign_image() {
  local pfx=$1 in=$2 out=$3 description
  _sign_password_set || return
  description=$(i686-w64-mingw32-windres -i "$in" -O rc 2>/dev/null |
    sed -n 's/^ *VALUE "FileDescription", "\(.*\)"$/\1/p')
  rm -f "$out"
  if [ -z "$SETUP_SIGN_PASSWORD" ]; then
    _sign "$pfx" "$description" "$in" "$out"
  else
    _sign "$pfx" "$description" "$in" "$out" -readpass <(printf %s "$SETUP_SIGN_PASSWORD")
  fi
}

_sign() {
  local pfx=$1 description=$2 in=$3 out=$4
  shift 4
  osslsigncode sign -pkcs12 "$pfx" "$@" -h sha256 ${description:+-n "$description"} \
    ${SETUP_SIGN_TIMESTAMP_URL:+-t "$SETUP_SIGN_TIMESTAMP_URL"} -in "$in" -out "$out"
}

# The PFX file's certificates (and the system's authorities, for a chain that ends in
# one) are the ones trusted.
verify_image() {
  local pfx=$1 signed=$2 trusted status=0
  _sign_password_set || return
  trusted=$(mktemp)
  openssl pkcs12 -legacy -in "$pfx" -nokeys -passin env:SETUP_SIGN_PASSWORD -out "$trusted" || status=$?
  [ ! -f /etc/ssl/certs/ca-certificates.crt ] || cat /etc/ssl/certs/ca-certificates.crt >>"$trusted"
  [ "$status" != 0 ] || osslsigncode verify -in "$signed" -CAfile "$trusted" || status=$?
  rm -f "$trusted"
  return "$status"
}

make_throwaway_pfx() {
  local pfx=$1 key status=0
  _sign_password_set || return
  key=$(mktemp -d)
  openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=Throw-away test signer" \
    -addext extendedKeyUsage=codeSigning -keyout "$key/key.pem" -out "$key/cert.pem" 2>/dev/null &&
    openssl pkcs12 -export -inkey "$key/key.pem" -in "$key/cert.pem" -passout env:SETUP_SIGN_PASSWORD \
      -out "$pfx" || status=$?
  rm -rf "$key"
  return "$status"
}
