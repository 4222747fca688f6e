#!/usr/bin/env bash
# Programs a batch of modems from one template setup and a table of sites:
#   program-many.sh TEMPLATE.json SITES.csv [RESULTS]
# SITES.csv has a header line, then "site,port,sms,apn" for each modem. Each
# site's setup, SITE.json in this folder, is the template with the site's SMS
# number and APN, checked, then written with --verify. RESULTS (results.csv
# unless named) gets "site,port,status,what" per site. Exit status 0 when every
# site was written and verified, 1 otherwise.
set -u

if [ $# -lt 2 ] || [ $# -gt 3 ]; then
  echo "usage: $0 TEMPLATE.json SITES.csv [RESULTS]" >&2
  exit 2
fi
template=$1 sites=$2 results=${3:-results.csv}

echo "site,port,status,what" >"$results"
tail -n +2 "$sites" | while IFS=, read -r site port sms apn || [ -n "$site" ]; do
  apn=${apn%$'\r'}
  [ -n "$site" ] || continue
  # Standard input is the table: merolan-cli gets none of it.
  { cp -- "$template" "$site.json" &&
    merolan-cli set "$site.json" "SMSNum=$sms" "APN=$apn" &&
    merolan-cli check "$site.json" &&
    merolan-cli --port "$port" write "$site.json" --verify; } </dev/null
  status=$?
  case $status in
    0) what="written and verified" ;;
    2) what="bad setup or arguments" ;;
    3) what="modem not found" ;;
    4) what="password rejected" ;;
    5) what="a setting refused by the modem" ;;
    6) what="not confirmed: read the modem again" ;;
    130) what="interrupted" ;;
    *) what="failed" ;;
  esac
  echo "$site,$port,$status,$what" >>"$results"
  echo "$site: $what" >&2
  [ "$status" -ne 130 ] || break
done
awk -F, 'NR > 1 && $3 != 0 { failed = 1 } END { exit failed }' "$results"
