# The volume label of a disc image. It keeps to the rules of both ISO 9660 (up to 32
# d-characters: A-Z, 0-9 and _) and Joliet (up to 16 characters): 1 to 16 of A-Z, 0-9, _.
#
#   valid_volume_label TEXT   true when TEXT keeps to those rules
#   vendor_name DISC_FOLDER   setup.ini's [Pre_Define] VendorName as Setup.exe reads it:
#                             the first such section and key, in any letter case, the
#                             value without surrounding blanks and quotes; ZELK when
#                             there is no such key (or no setup.ini)
#   label_from_name NAME      NAME's words (split at blanks and ASCII punctuation),
#                             upper-cased and joined by _. A word with a byte outside
#                             ASCII is left out whatever the code page: an accented
#                             letter of cp1252, or a double-byte character, whose second
#                             byte may be an ASCII letter. Then the first 16 characters,
#                             without a trailing _; SETUP when nothing is left.

valid_volume_label() {
  local LC_ALL=C
  [[ $1 =~ ^[A-Z0-9_]{1,16}$ ]]
}

vendor_name() {
  local ini
  ini=$(find "$1" -maxdepth 1 -type f -iname setup.ini -print -quit)
  if [ -z "$ini" ]; then echo ZELK; return; fi
  LC_ALL=C awk '
    { sub(/\r$/, "") }
    /^[ \t]*\[/ {
      name = $0; sub(/^[ \t]*\[[ \t]*/, "", name); sub(/[ \t]*\].*$/, "", name)
      inside = tolower(name) == "pre_define" && !seen; seen = seen || inside; next
    }
    inside && index($0, "=") {
      key = substr($0, 1, index($0, "=") - 1); gsub(/^[ \t]+|[ \t]+$/, "", key)
      if (tolower(key) != "vendorname") next
      value = substr($0, index($0, "=") + 1); gsub(/^[ \t]+|[ \t]+$/, "", value)
      if (value ~ /^".*"$/ || value ~ /^\047.*\047$/) value = substr(value, 2, length(value) - 2)
      print value; found = 1; exit
    }
    END { if (!found) print "ZELK" }' "$ini"
}

label_from_name() {
  local LC_ALL=C word label=""
  for word in $(printf '%s' "$1" | tr -c 'A-Za-z0-9\200-\377' ' '); do
    [[ $word == *[^A-Za-z0-9]* ]] || label+=${label:+_}${word^^}
  done
  label=${label:0:16}
  label=${label%_}
  echo "${label:-SETUP}"
}
