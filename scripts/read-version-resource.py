#!/usr/bin/env python3
"""Prints the version resource of a Windows executable (PE32 or PE32+).

    scripts/read-version-resource.py kovrant.exe

One line per item, "Name=value": Fixed (the numeric file version of
VS_FIXEDFILEINFO, as a.b.c.d), then every string of the StringFileInfo
tables (ProductName, FileVersion, ...). Exit code 1 if the file has no
version resource.
"""
import struct
import sys

RT_VERSION = 16


def read_resource(data):
    pe = struct.unpack_from('<I', data, 0x3C)[0]
    if data[pe:pe + 4] != b'PE\0\0':
        raise ValueError('not a PE file')
    sections, optional_size = struct.unpack_from('<H12xH', data, pe + 6)
    optional = pe + 24
    magic = struct.unpack_from('<H', data, optional)[0]
    directories = optional + (96 if magic == 0x10B else 112)
    resource_rva = struct.unpack_from('<I', data, directories + 2 * 8)[0]
    table = optional + optional_size
    spans = [struct.unpack_from('<8xIIII', data, table + 40 * i) for i in range(sections)]

    def offset(rva):
        for virtual_size, address, raw_size, raw_pointer in spans:
            if address <= rva < address + max(virtual_size, raw_size):
                return rva - address + raw_pointer
        raise ValueError(f'address {rva:#x} lies in no section')

    base = offset(resource_rva)

    def entries(directory):
        named, numbered = struct.unpack_from('<HH', data, directory + 12)
        for i in range(named + numbered):
            yield struct.unpack_from('<II', data, directory + 16 + 8 * i)

    # Type, then name, then language: the first version resource.
    node = None
    for name, target in entries(base):
        if name == RT_VERSION:
            node = target
    if node is None:
        return None
    while node & 0x80000000:
        node = next(entries(base + (node & 0x7FFFFFFF)))[1]
    rva, size = struct.unpack_from('<II', data, base + node)
    start = offset(rva)
    return data[start:start + size]


def parse_block(buf, at):
    """One VS_VERSIONINFO-style block: (key, value, children), end."""
    length, value_length, kind = struct.unpack_from('<HHH', buf, at)
    end = at + length
    p = at + 6
    key_start = p
    while buf[p:p + 2] != b'\0\0':
        p += 2
    key = buf[key_start:p].decode('utf-16-le')
    p = (p + 2 + 3) & ~3
    if kind == 1:
        value = buf[p:p + 2 * value_length].decode('utf-16-le').rstrip('\0')
        p += 2 * value_length
    else:
        value = buf[p:p + value_length]
        p += value_length
    children = []
    p = (p + 3) & ~3
    while p < end:
        child, p = parse_block(buf, p)
        children.append(child)
        p = (p + 3) & ~3
    return (key, value, children), end


def main():
    resource = read_resource(open(sys.argv[1], 'rb').read())
    if resource is None:
        print(f'{sys.argv[1]}: no version resource', file=sys.stderr)
        return 1
    (key, fixed, children), _ = parse_block(resource, 0)
    signature, _, file_ms, file_ls = struct.unpack_from('<IIII', fixed)
    if key != 'VS_VERSION_INFO' or signature != 0xFEEF04BD:
        print(f'{sys.argv[1]}: damaged version resource', file=sys.stderr)
        return 1
    print(f'Fixed={file_ms >> 16}.{file_ms & 0xFFFF}.{file_ls >> 16}.{file_ls & 0xFFFF}')
    for name, _, tables in children:
        if name == 'StringFileInfo':
            for _, _, strings in tables:
                for string_name, value, _ in strings:
                    print(f'{string_name}={value}')
    return 0


if __name__ == '__main__':
    sys.exit(main())
