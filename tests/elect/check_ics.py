#!/usr/bin/env python3
"""Parses an iCalendar file with python3-icalendar and prints one line per
event: its UTC start, its UTC end (or "-") and its summary. Exit 3 when the
parser is missing, 1 when an event's times are not in UTC."""
import sys

try:
    import icalendar
except ImportError:
    sys.exit(3)

with open(sys.argv[1], "rb") as f:
    calendar = icalendar.Calendar.from_ical(f.read())
status = 0
for event in calendar.walk("VEVENT"):
    start = event.decoded("DTSTART")
    end = event.decoded("DTEND") if "DTEND" in event else None
    for moment in (start, end):
        if moment is not None and (moment.utcoffset() is None or moment.utcoffset().total_seconds()):
            status = 1
    print(start.strftime("%Y%m%dT%H%M%SZ"), end.strftime("%Y%m%dT%H%M%SZ") if end else "-",
          str(event.get("SUMMARY")), str(event.get("DESCRIPTION", "")).replace("\n", "|"), sep="\t")
sys.exit(status)
