// The lead bytes of the double-byte ANSI code pages the tests use, as IsDBCSLeadByte
// tells them on Windows. Pure: for the native tests and the fuzz targets too.
#pragma once

namespace support {

// Japanese, code page 932.
inline bool ShiftJisLeadByte(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

// Traditional Chinese, code page 950; simplified Chinese (936) and Korean (949) alike.
inline bool Big5LeadByte(unsigned char byte) { return byte >= 0x81 && byte <= 0xFE; }

}  // namespace support
