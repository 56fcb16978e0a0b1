# Read by cpack before it packs: every entry's times come from this one value, and the zip's
# DOS times (local time) are written in UTC, so the archive does not depend on the clock or zone.
set(ENV{SOURCE_DATE_EPOCH} "${CPACK_HALVANE_EPOCH}")
set(ENV{TZ} UTC)
