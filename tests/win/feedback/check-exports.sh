#!/bin/sh
# Checks that a built ArkwenFeedbackInformation.dll exports exactly the nine entry points,
# undecorated (no "@N" and no leading "_"), under its own name.
#   check-exports.sh OBJDUMP DLL
set -eu
objdump=$1
dll=$2
expected="CustomerFeedback
CustomerFeedbackEx
FeedbackQuestion
GetInterNetState
GetToolIsNewVersion
InitFreedbackDll
OpenToolDownUrl
OpenUrl
WriteCustomerFeedbackInfoFile"

dump=$("$objdump" -p "$dll")
actual=$(printf '%s\n' "$dump" |
  sed -n '/^\[Ordinal\/Name Pointer\] Table/,/^$/p' |
  sed -n 's/^[[:space:]]*\[ *[0-9]*\] \(.*\)$/\1/p' | LC_ALL=C sort)
if [ "$actual" != "$expected" ]; then
  echo "exports of $dll:"
  printf '%s\n' "$actual"
  echo "expected:"
  printf '%s\n' "$expected"
  exit 1
fi
if ! printf '%s\n' "$dump" | grep -q '^Name .*ArkwenFeedbackInformation\.dll$'; then
  echo "$dll does not name itself ArkwenFeedbackInformation.dll in its export directory"
  exit 1
fi
echo "nine undecorated exports"
