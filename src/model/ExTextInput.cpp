#include "ExTextInput.h"

#include "ExStringParts.h"

#include <algorithm>

std::optional<std::string> CExTextInput::Feed(unsigned char byte) {
    if (m_nLeadByte == 0 && CExStringParts::IsLeadByte(byte)) {
        m_nLeadByte = byte;
        return std::nullopt;
    }
    std::string character;
    if (m_nLeadByte != 0) {
        character.push_back(static_cast<char>(m_nLeadByte));
    }
    character.push_back(static_cast<char>(byte));
    m_nLeadByte = 0;
    return character;
}

void CExTextInput::Begin(const CExStringParts* text) {
    m_nLeadByte = 0;
    m_nCaretIndex = text ? static_cast<int>(text->GetPartsName().size()) : 0;
}

bool CExTextInput::Insert(CExStringParts& text, const std::string& character) {
    if (character.empty() || text.InsertString(character, m_nCaretIndex) == 0) {
        return false;
    }
    m_nCaretIndex += static_cast<int>(character.size());
    return true;
}

bool CExTextInput::DeleteBefore(CExStringParts& text) {
    const int length = CharacterLengthBefore(text.GetPartsName(), m_nCaretIndex);
    if (length == 0 || text.DeleteString(m_nCaretIndex - length, length) == 0) {
        return false;
    }
    m_nCaretIndex -= length;
    return true;
}

bool CExTextInput::DeleteAfter(CExStringParts& text) {
    const int length = CharacterLengthAt(text.GetPartsName(), m_nCaretIndex);
    return length > 0 && text.DeleteString(m_nCaretIndex, length) != 0;
}

bool CExTextInput::Left(const CExStringParts& text) {
    const int length = CharacterLengthBefore(text.GetPartsName(), m_nCaretIndex);
    m_nCaretIndex -= length;
    return length > 0;
}

bool CExTextInput::Right(const CExStringParts& text) {
    const int length = CharacterLengthAt(text.GetPartsName(), m_nCaretIndex);
    m_nCaretIndex += length;
    return length > 0;
}

ExPoint CExTextInput::CaretPoint(const CExStringParts& text) const {
    return text.GetCaretPoint(m_nCaretIndex);
}

ExPoint CExTextInput::NewTextPosition(ExPoint centre, ExPoint sheetExtent) {
    const auto inside = [](int value, int extent) { return value >= 0 && value <= extent; };
    return {inside(centre.x, sheetExtent.x) ? centre.x : sheetExtent.x / 2,
            inside(centre.y, sheetExtent.y) ? centre.y : sheetExtent.y / 2};
}

std::unique_ptr<CExStringParts> CExTextInput::NewText(ExPoint position) {
    auto text = std::make_unique<CExStringParts>();
    text->SetPosition(position.x, position.y);
    text->SetLineWidth(CExStringParts::kStrokeNormal);
    return text;
}

int CExTextInput::CharacterLengthAt(const std::string& text, int index) {
    const int length = static_cast<int>(text.size());
    if (index < 0 || index >= length) {
        return 0;
    }
    const auto byte = static_cast<unsigned char>(text[static_cast<std::size_t>(index)]);
    return CExStringParts::IsLeadByte(byte) && index + 1 < length ? 2 : 1;
}

// Shift-JIS cannot be read backwards (a trail byte may look like anything), so the characters
// are counted from the start of the line.
int CExTextInput::CharacterLengthBefore(const std::string& text, int index) {
    index = std::min(index, static_cast<int>(text.size()));
    int start = 0;
    while (start < index) {
        const int next = start + CharacterLengthAt(text, start);
        if (next >= index) {
            return index - start;
        }
        start = next;
    }
    return 0;
}
