#pragma once

#include "ExTypes.h"

#include <memory>
#include <optional>
#include <string>

class CExStringParts;

// Typing into one text element: the typed byte stream becomes whole characters, and the caret
// keeps its byte index in the text, always on a character boundary. The text is centred on its
// position, so the caret's place follows from the index and the text's length: a character of n
// bytes inserted before the caret moves it right by n half bytes, one deleted behind it moves it
// left by as much, and stepping over a character moves it by that character's full width.
class CExTextInput {
public:
    // Takes one byte of the typed stream. A lead byte waits for the byte after it; any other byte
    // completes a character of one or two bytes, which is returned.
    std::optional<std::string> Feed(unsigned char byte);
    bool HasPendingLeadByte() const { return m_nLeadByte != 0; }

    // Starts typing into a text with the caret after its last character, or with no text yet.
    void Begin(const CExStringParts* text);

    int CaretIndex() const { return m_nCaretIndex; }
    // Inserts a character (one or two bytes) before the caret, which moves past it.
    bool Insert(CExStringParts& text, const std::string& character);
    // Deletes the character before the caret (Backspace) or after it (Delete).
    bool DeleteBefore(CExStringParts& text);
    bool DeleteAfter(CExStringParts& text);
    // Steps the caret over one character; false at the start or end of the line.
    bool Left(const CExStringParts& text);
    bool Right(const CExStringParts& text);

    // The top of the caret in drawing units, for an unrotated text.
    ExPoint CaretPoint(const CExStringParts& text) const;

    // Where a new text goes: the point under the window's centre, each coordinate that lies
    // beyond the sheet (0 to its extent) replaced by the middle of the sheet in that axis.
    static ExPoint NewTextPosition(ExPoint centre, ExPoint sheetExtent);
    // An empty text at a position, with the defaults of a typed text.
    static std::unique_ptr<CExStringParts> NewText(ExPoint position);

    // Bytes of the character that starts at a byte index, as the text's layout counts them
    // (a lead byte at the very end counts as the one byte that is there); 0 at the end.
    static int CharacterLengthAt(const std::string& text, int index);
    // Bytes of the character that ends at a byte index; 0 at the start.
    static int CharacterLengthBefore(const std::string& text, int index);

private:
    unsigned char m_nLeadByte = 0;
    int m_nCaretIndex = 0;
};
