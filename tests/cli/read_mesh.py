#!/usr/bin/env python3
"""Reads an OBJ file (with its material library) or a binary PLY file as an
outside program would and prints "vertices V faces F materials M". Every
face must be a triangle naming vertices that exist; anything else fails.
With --header a PLY file is checked only by its header, its size and its
last face, so that big files read fast."""
import os
import struct
import sys


def read_obj(path):
    vertices = normals = faces = 0
    materials = set()
    library = None
    with open(path) as f:
        for line in f:
            word, _, rest = line.partition(" ")
            if word == "v":
                vertices += 1
            elif word == "vn":
                normals += 1
            elif word == "f":
                corners = rest.split()
                assert len(corners) == 3, line
                for corner in corners:
                    v, _, n = corner.split("/")
                    for index, count in ((int(v), vertices), (int(n), normals)):
                        assert -count <= index < 0 or 0 < index <= count, line
                faces += 1
            elif word == "usemtl":
                materials.add(rest.strip())
            elif word == "mtllib":
                library = os.path.join(os.path.dirname(path), rest.strip())
    with open(library) as f:
        defined = {line.split()[1] for line in f if line.startswith("newmtl ")}
    assert materials <= defined, (materials, defined)
    return vertices, faces, len(defined)


def read_ply(path, header_only):
    with open(path, "rb") as f:
        data = f.read() if not header_only else f.read(4096)
    end = data.index(b"end_header\n") + len(b"end_header\n")
    counts = {}
    for line in data[:end].decode().splitlines():
        parts = line.split()
        if parts[0] == "format":
            assert parts[1] == "binary_little_endian", line
        if parts[0] == "element":
            counts[parts[1]] = int(parts[2])
    vertices, faces = counts["vertex"], counts["face"]
    size = os.path.getsize(path)
    assert size == end + vertices * 27 + faces * 13, size
    if header_only:
        with open(path, "rb") as f:
            f.seek(size - 13)
            n, *corners = struct.unpack("<B3I", f.read(13))
            assert n == 3 and all(vertices - 200 <= c < vertices for c in corners), corners
        return vertices, faces, 0
    colours = set()
    for i in range(vertices):
        colours.add(data[end + 27 * i + 24 : end + 27 * i + 27])
    at = end + 27 * vertices
    for i in range(faces):
        n, *corners = struct.unpack_from("<B3I", data, at + 13 * i)
        assert n == 3 and all(c < vertices for c in corners), corners
    return vertices, faces, len(colours)


path = sys.argv[-1]
if path.endswith(".obj"):
    counts = read_obj(path)
else:
    counts = read_ply(path, "--header" in sys.argv)
print("vertices %d faces %d materials %d" % counts)
