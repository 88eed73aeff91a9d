#pragma once

// Turns a Shift-JIS (code page 932) character into the JIS row and cell that index the vector
// font. A single byte is first replaced by its full-width counterpart, so that ASCII and
// half-width katakana are drawn with the full-width glyphs.
class CExCodeConvert {
public:
    // The kuten code row * 100 + cell of a character given high byte first (a single byte in
    // the low byte).
    int SjisToKuten(unsigned code) const;

    static bool IsLeadByte(unsigned char byte);
    static bool IsTrailByte(unsigned char byte);
};

// The kuten code row * 100 + cell of a double-byte code, by the byte arithmetic that wraps like
// the 8-bit registers it was written for. The font builder places its glyphs by the same
// function, so the font and its reader cannot disagree about where a glyph lives.
int DoubleByteToKuten(unsigned code);
