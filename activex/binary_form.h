// The library's own binary form of a control's saved values, which IPersistStreamInit and
// IPersistStorage write and read. All numbers little-endian:
//
//   "KVDB"  version (16-bit, 1)  count (16-bit, 42)
//   then each key in the saved order: a tag byte naming its type, and its value —
//     1 Boolean (16-bit, 0 False)   2 16-bit integer   3 32-bit integer   4 Double
//     5 text: length in UTF-16 units (32-bit), then the units
//     6 font: name (as a text), size in points (32-bit float), styles (bold 1, italic 2,
//       underline 4, strikethrough 8)
//     7 picture: 0 for none, or 1, a byte count (32-bit), a checksum of the bytes (64-bit) and
//       the standard picture object's own saved form (IPersistStream) of an icon, a cursor or a
//       bitmap, which OleLoadPicture reads.
//
// Reading takes exactly the bytes the form holds, so that a container may keep more after it
// in the same stream; it refuses, with a result that says why, a wrong header
// (STG_E_INVALIDHEADER), a later version (STG_E_OLDDLL), a form that ends early
// (HRESULT_FROM_WIN32(ERROR_HANDLE_EOF)), a tag, a count or a length that does not fit
// (STG_E_DOCFILECORRUPT) and a picture that is damaged or of another kind (CTL_E_INVALIDPICTURE,
// also when writing).
#pragma once

#include <objidl.h>

#include "activex/saved_properties.h"

namespace kovra::activex {

// Writes `saved` (every key of the saved order present, each of its type) to `stream`. Throws.
void WriteBinaryForm(const SavedProperties& saved, IStream* stream);
// The size WriteBinaryForm would write. Throws.
ULONGLONG BinaryFormSize(const SavedProperties& saved);
// Reads one binary form from `stream`. Throws ComError.
SavedProperties ReadBinaryForm(IStream* stream);

}  // namespace kovra::activex
