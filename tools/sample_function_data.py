#!/usr/bin/env python3
"""Writes a sample function-data file for trying the upload.

  tools/sample_function_data.py FILE 2   a QRT5130 controller image (0x8400 bytes)
  tools/sample_function_data.py FILE 3   a BUS_GATE image (0x0800 bytes)
"""
import sys


def records(data):
    lines = []
    for p in range(0, len(data), 32):
        chunk = data[p:p + 32]
        lines.append(":%02X%04X%s" % (len(chunk), p, "".join("%02X" % b for b in chunk)))
    return "\r\n".join(lines)


def header_block(lines):
    used = sum(len(line) + 2 for line in lines) + len("DATA") + 2
    return "".join(line + "\r\n" for line in lines) + " " * (300 - 2 - used) + "\r\nDATA\r\n"


def main():
    path, layout = sys.argv[1], sys.argv[2]
    if layout == "2":
        data = bytearray((i * 7) & 0xFF for i in range(0x8400))
        data[0x1E80:0x1F00] = b"\xff" * 0x80  # no own welcome page yet
        head = header_block(["BRAVOLT_DATA_FILE", "       EEPROM_SIZE: 7FFF", "     I_EEPROM_SIZE: 03FF",
                             "CONTROLLER_VERSION: V2.10", " DATA_FILE_VERSION: D1.00"])
    else:
        data = bytearray((i * 13 + 5) & 0xFF for i in range(0x800))
        head = header_block(["BRAVOLT_DAT_FILE", "FILE_FORMAT: 3", "     DEVICE: 84", "   FIRMWARE: G1.04",
                             " BOOTSECTOR: B0.91", "  DATA_SIZE: %04X" % len(data)])
    with open(path, "wb") as out:
        out.write((head + records(data)).encode("ascii"))


if __name__ == "__main__":
    main()
