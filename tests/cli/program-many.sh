#!/usr/bin/env bash
# Runs scripts/program-many.sh over a small table of sites with a stand-in
# merolan-cli on PATH, and checks the calls it made and the results it kept.
#   program-many.sh SCRIPT
set -euo pipefail

script=$(realpath "$1")
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# The stand-in notes each call, drains its standard input as a program that
# reads it would, and ends as its port (or a refused SMS number) asks.
mkdir "$scratch/bin" "$scratch/work"
cat >"$scratch/bin/merolan-cli" <<'STUB'
#!/usr/bin/env bash
printf '%s\n' "$*" >>"$STUB_LOG"
cat >/dev/null
case "$*" in
  *SMSNum=bogus*) exit 2 ;;
  "--port /dev/ttyUSB1 "*) exit 3 ;;
  "--port tcp://"*) exit 6 ;;
esac
STUB
chmod +x "$scratch/bin/merolan-cli"
export PATH="$scratch/bin:$PATH" STUB_LOG="$scratch/calls"
cd "$scratch/work"
echo '{"Role": 1}' >template.json

# Lines end as a spreadsheet on Windows saves them, the last with no end.
printf '%s\r\n' site,port,sms,apn site-a,/dev/ttyUSB0,+306900000001,fleet.apn \
  site-b,/dev/ttyUSB1,+306900000002,other.apn site-d,/dev/ttyUSB2,bogus,fleet.apn >sites.csv
printf 'site-c,tcp://10.0.0.5:4001,+306900000003,m2m.apn' >>sites.csv

status=0
bash "$script" template.json sites.csv 2>stderr || status=$?
[ "$status" -eq 1 ] || fail "with sites failing the script exited $status, not 1; it said: $(cat stderr)"
calls=$(cat "$STUB_LOG")
expected="set site-a.json SMSNum=+306900000001 APN=fleet.apn
check site-a.json
--port /dev/ttyUSB0 write site-a.json --verify
set site-b.json SMSNum=+306900000002 APN=other.apn
check site-b.json
--port /dev/ttyUSB1 write site-b.json --verify
set site-d.json SMSNum=bogus APN=fleet.apn
set site-c.json SMSNum=+306900000003 APN=m2m.apn
check site-c.json
--port tcp://10.0.0.5:4001 write site-c.json --verify"
[ "$calls" = "$expected" ] || fail "the calls made were:
$calls"
results=$(cat results.csv)
expected="site,port,status,what
site-a,/dev/ttyUSB0,0,written and verified
site-b,/dev/ttyUSB1,3,modem not found
site-d,/dev/ttyUSB2,2,bad setup or arguments
site-c,tcp://10.0.0.5:4001,6,not confirmed: read the modem again"
[ "$results" = "$expected" ] || fail "results.csv holds:
$results"
for site in site-a site-b site-c site-d; do
  cmp -s template.json "$site.json" || fail "$site.json is not a copy of the template"
done

# Every site done: status 0, into the results file named.
printf 'site,port,sms,apn\nsite-a,/dev/ttyUSB0,+306900000001,fleet.apn\n' >one.csv
bash "$script" template.json one.csv done.csv 2>stderr || fail "one good site gave exit status $?: $(cat stderr)"
[ "$(tail -n 1 done.csv)" = "site-a,/dev/ttyUSB0,0,written and verified" ] ||
  fail "done.csv ends with '$(tail -n 1 done.csv)'"

status=0
bash "$script" template.json 2>stderr || status=$?
{ [ "$status" -eq 2 ] && grep -q '^usage: ' stderr; } || fail "with no table the script exited $status and said: $(cat stderr)"
echo "program-many: all checks passed"
