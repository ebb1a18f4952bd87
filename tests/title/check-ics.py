#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Reads two exports of the same days with the icalendar library, as a calendar program would, and
# says what it found: the number of events, the summary of one day, and whether every UID came back
# the same in the second export.
#   check-ics.py FIRST.ics SECOND.ics YYYYMMDD
import sys

import icalendar


def events(path):
    with open(path, "rb") as file:
        calendar = icalendar.Calendar.from_ical(file.read())
    return [component for component in calendar.walk("VEVENT")]


first, second = events(sys.argv[1]), events(sys.argv[2])
day = sys.argv[3]
summaries = [str(event["SUMMARY"]) for event in first if event.decoded("DTSTART").strftime("%Y%m%d") == day]
lengths = {(event.decoded("DTEND") - event.decoded("DTSTART")).days for event in first}
print("events", len(first))
print("summary", summaries[0] if summaries else "none")
print("description", str(first[0]["DESCRIPTION"]).replace("\n", " | "))
print("one day each", lengths == {1})
print("same uids", [str(e["UID"]) for e in first] == [str(e["UID"]) for e in second])
print("unique uids", len({str(e["UID"]) for e in first}) == len(first))
