#!/usr/bin/env python3
# Writes the expected poll-export files for the seeded "PLU" table of the text-export
# tests (tests/store/TKDBBackupTest.cpp). The lines are written out by hand here, not
# produced by the program, so that the files pin the layouts independently.
#
# Poll 7: Store Number 12, Machine Number 3, Ecr Date 12/8/2026, Z Counter 456,
# Report Name "PLU", Poll Type "Z1", Polled Area "Föod, Dept".
# Its rows in key order ("Poll Id", "Number"): 5, 101, 102. Fields after "Poll Id":
# Number, Desc, Amount, Count, Promo, Waste, Day, Notes (memo), Pic (blob).
# A field holding a comma, a double quote or a line break is quoted, inner quotes doubled.
import os

here = os.path.dirname(os.path.abspath(__file__))

rest = [
    "5,Bread,-3,0,0,0,,0,0",
    "101,\"Cola, large\",12.5,3,0,0.25,12/8/2026,12,6",
    "102,\"Café \"\"Crème\"\"\",1234.56,1.5,2,0,1/31/2026,0,0",
]
mem = b"line1\r\nline2" + bytes([0x00, 0x01, 0xFF, 0x2C, 0x0D, 0x0A])

layouts = {
    "ExportPollRows": ["7," + r for r in rest],
    "ExportPollByLocation": ["12,3,12/8/2026,456," + r for r in rest],
    "ExportPollByReportType": ["PLU,12,3,12/8/2026,456," + r for r in rest],
    "ExportPollByArea": ["12,3,12/8/2026,456,Z1,\"Föod, Dept\"," + r for r in rest],
    "ExportPollFoodTrak": ["12,3,12/8/2026,7," + r for r in rest],
    "ExportPollFoodTrakItems": [
        "12,3,12/8/2026,7,5,5,Bread,-3,0,0,0,0,0,0",
        "12,3,12/8/2026,7,101,101,\"Cola, large\",12.5,3,0,0.25,0,0,0",
        "12,3,12/8/2026,7,102,102,\"Café \"\"Crème\"\"\",1234.56,1.5,2,0,0,0,0",
    ],
}

for name, lines in layouts.items():
    with open(os.path.join(here, name + ".txt"), "wb") as f:
        f.write("".join(line + "\r\n" for line in lines).encode("cp1252"))
with open(os.path.join(here, "poll-7.mem"), "wb") as f:
    f.write(mem)
