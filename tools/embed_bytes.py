#!/usr/bin/env python3
"""embed_bytes.py FILE OUT.cpp HEADER NAMESPACE FUNCTION: writes a C++ source
whose FUNCTION() returns FILE's bytes as a std::string (a byte buffer)."""
import os
import sys


def main():
    source, out, header, namespace, function = sys.argv[1:6]
    data = open(source, "rb").read()
    rows = []
    for i in range(0, len(data), 16):
        rows.append("    " + ", ".join(f"0x{b:02x}" for b in data[i:i + 16]) + ",")
    name = os.path.basename(source)
    text = (
        f"// Generated from {name} by tools/embed_bytes.py: do not edit; regenerate.\n"
        f"// {len(data)} bytes, kept in the program's constant data.\n"
        f"#include \"{header}\"\n\n"
        f"namespace {namespace} {{\nnamespace {{\n\n"
        f"const unsigned char kBytes[] = {{\n" + "\n".join(rows) + "\n};\n\n"
        f"}}  // namespace\n\n"
        f"std::string {function}() {{\n"
        f"  return std::string(reinterpret_cast<const char*>(kBytes), sizeof kBytes);\n"
        f"}}\n\n}}  // namespace {namespace}\n"
    )
    with open(out, "w") as f:
        f.write(text)


if __name__ == "__main__":
    main()
