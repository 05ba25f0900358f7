# Prints N random moments "YYYY/MM/DD hh:nn" between 1900-01-01 and 2100-12-31, the same every run.
#   awk -v n=100000 -f bench/random_moments.awk
function civil(days,    era, doe, yoe, doy, mp, d, m, y) {
  days += 719468
  era = int(days / 146097); doe = days - era * 146097
  yoe = int((doe - int(doe / 1460) + int(doe / 36524) - int(doe / 146096)) / 365)
  doy = doe - (365 * yoe + int(yoe / 4) - int(yoe / 100)); mp = int((5 * doy + 2) / 153)
  d = doy - int((153 * mp + 2) / 5) + 1; m = mp < 10 ? mp + 3 : mp - 9; y = yoe + era * 400 + (m <= 2)
  return sprintf("%04d/%02d/%02d", y, m, d)
}
BEGIN {
  srand(20261210)
  first = -25567  # 1900-01-01 in days since 1970-01-01
  span = 73414    # days to 2100-12-31
  for (i = 0; i < n; i++) {
    minute = int(rand() * 1440)
    printf "%s %02d:%02d\n", civil(first + int(rand() * span)), int(minute / 60), minute % 60
  }
}
