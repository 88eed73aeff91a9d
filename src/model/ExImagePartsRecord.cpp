// The image record and the resampling of a picture read on a display of another resolution.

#include "ExImageParts.h"

#include "ExArchive.h"
#include "ExDibStretch.h"
#include "ExRecordGuard.h"

#include <algorithm>
#include <climits>
#include <new>

namespace {

constexpr int kRecordVersion = 100;
constexpr std::size_t kNameFieldSize = 30;
constexpr std::size_t kReservedBytes = 16;
constexpr std::int32_t kNoHandleHit = -1;

bool IsLeadByte(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

// The name in its fixed field: at most 29 bytes, cut before a character rather than inside
// one, then NULs.
std::string NameField(const std::string& name) {
    std::size_t length = 0;
    while (length < name.size()) {
        const std::size_t next =
            length + (IsLeadByte(static_cast<unsigned char>(name[length])) ? 2 : 1);
        if (next > kNameFieldSize - 1) {
            break;
        }
        length = next;
    }
    std::string field = name.substr(0, length);
    field.resize(kNameFieldSize, '\0');
    return field;
}

void WritePoint(CExArchive& ar, ExPoint p) {
    ar.WriteInt32(p.x);
    ar.WriteInt32(p.y);
}

ExPoint ReadPoint(CExArchive& ar) {
    ExPoint p;
    p.x = ar.ReadInt32();
    p.y = ar.ReadInt32();
    return p;
}

// A resampled size is believed only within a factor of two of the stored one (displays of 96
// and 192 dots per inch, say); beyond that the stored 0.01-mm size is taken as damaged, which
// must not make a small picture in the file a huge one in memory.
bool IsPlausibleResample(std::int64_t resampled, int stored, int slack) {
    return resampled <= 2 * std::int64_t(stored) + slack && 2 * resampled + slack >= stored;
}

} // namespace

// The image record:
//   string class name "CExImageParts" (written only; the document reads it), int32 version 100
//   (not checked), int32 width, height, angle, position x, y; 30 bytes name (NUL-terminated,
//   zero-padded); int32 parts code, colour; double scale x, y; 16 reserved zero bytes;
//   9 x (int32 x, y) handle points; 9 x (int32 left, top, right, bottom) handle rects;
//   int32 0 and -1 (editing state, ignored); int32 picture width, height in pixels, and in
//   0.01 mm; int32 view width, height; int32 background colour; 40-byte BITMAPINFOHEADER;
//   biSizeImage bytes of 16-bit picture bits, bottom row first.
// Scale factors are pending edits: a loaded image starts at 1.0, or it would grow at every update.
void CExImageParts::Serialize(CExArchive& ar) {
    GuardRecord(ar, [&] {
        if (ar.IsStoring()) {
            ar.WriteString(kClassName);
            ar.WriteInt32(kRecordVersion);
            for (const int value : {m_nWidth, m_nHeight, m_nAngle}) {
                ar.WriteInt32(value);
            }
            WritePoint(ar, m_ptPosition);
            ar.WriteBytes(NameField(m_strName));
            ar.WriteInt32(m_nPartsCode);
            ar.WriteInt32(static_cast<std::int32_t>(m_crColor));
            ar.WriteDouble(m_dScaleX);
            ar.WriteDouble(m_dScaleY);
            ar.WriteBytes(std::string(kReservedBytes, '\0'));
            for (const ExPoint& handle : m_ptHandle) {
                WritePoint(ar, handle);
            }
            for (const ExRect& rect : m_rcHandle) {
                for (const int value : {rect.left, rect.top, rect.right, rect.bottom}) {
                    ar.WriteInt32(value);
                }
            }
            ar.WriteInt32(0);
            ar.WriteInt32(kNoHandleHit);
            for (const int value : {m_nImagePixelW, m_nImagePixelH, m_nImageMetricW,
                                    m_nImageMetricH, m_nViewW, m_nViewH}) {
                ar.WriteInt32(value);
            }
            ar.WriteInt32(static_cast<std::int32_t>(m_crBack));
            ExBitmapInfoHeader header = m_bmiHeader;
            const ExBitmapInfoHeader sizes = ExBitmapInfoHeader::For(m_dibStored);
            header.biWidth = sizes.biWidth;
            header.biHeight = sizes.biHeight;
            header.biSizeImage = sizes.biSizeImage;
            ar.WriteBytes(header.ToBytes());
            ar.WriteBytes(m_dibStored.ToBytes());
            return;
        }
        ar.ReadInt32();
        m_nWidth = ar.ReadInt32();
        m_nHeight = ar.ReadInt32();
        m_nAngle = ar.ReadInt32();
        m_ptPosition = ReadPoint(ar);
        const std::string_view name = ar.ReadBytes(kNameFieldSize);
        m_strName = std::string(name.substr(0, name.find('\0')));
        m_nPartsCode = ar.ReadInt32();
        m_crColor = static_cast<ExColor>(ar.ReadInt32());
        ar.ReadDouble();
        ar.ReadDouble();
        m_dScaleX = 1.0;
        m_dScaleY = 1.0;
        ar.ReadBytes(kReservedBytes);
        for (ExPoint& handle : m_ptHandle) {
            handle = ReadPoint(ar);
        }
        for (ExRect& rect : m_rcHandle) {
            for (int* value : {&rect.left, &rect.top, &rect.right, &rect.bottom}) {
                *value = ar.ReadInt32();
            }
        }
        ar.ReadInt32();
        ar.ReadInt32();
        for (int* value : {&m_nImagePixelW, &m_nImagePixelH, &m_nImageMetricW, &m_nImageMetricH,
                           &m_nViewW, &m_nViewH}) {
            *value = ar.ReadInt32();
        }
        m_crBack = static_cast<ExColor>(ar.ReadInt32());
        const ExBitmapInfoHeader header =
            ExBitmapInfoHeader::FromBytes(ar.ReadBytes(ExBitmapInfoHeader::kSize));
        // The header says how many bytes follow: one that does not describe this format's
        // pictures cannot be trusted with it.
        if (!header.IsStoredPicture()) {
            throw CExFileException(CExFileException::Cause::BadFormat);
        }
        const std::string_view bits = ar.ReadBytes(static_cast<std::size_t>(header.biSizeImage));
        m_bmiHeader = header;
        ReleaseCopies();
        m_dibStored = {};
        SetRedrawFlag(1);
        try {
            FitStoredImageToDisplay(CExDib16::FromBytes(header.biWidth, header.biHeight, bits));
        } catch (const std::bad_alloc&) {
            ReportNoMemory();
        }
    });
}

void CExImageParts::FitStoredImageToDisplay(CExDib16 picture) {
    m_nImagePixelW = picture.Width();
    m_nImagePixelH = picture.Height();
    if (picture.IsEmpty()) {
        return;
    }
    const int dpi = GetImageDisplay().dpi;
    if (PixelsToHundredthsOfMm(m_nImagePixelW, dpi) == m_nImageMetricW &&
        PixelsToHundredthsOfMm(m_nImagePixelH, dpi) == m_nImageMetricH) {
        m_dibStored = std::move(picture);
        return;
    }
    const std::int64_t width =
        (std::int64_t(std::max(1, HundredthsOfMmToPixels(m_nImageMetricW, dpi))) + 31) / 32 * 32;
    const std::int64_t height = std::max(1, HundredthsOfMmToPixels(m_nImageMetricH, dpi));
    const bool resample = IsPlausibleResample(width, picture.Width(), 31) &&
                          IsPlausibleResample(height, picture.Height(), 1) &&
                          width * height * 2 <= INT_MAX;
    if (resample) {
        CExDib16 resampled =
            StretchDib16(picture, static_cast<int>(width), static_cast<int>(height));
        picture = {};
        SetStoredImage(std::move(resampled), dpi);
    } else {
        SetStoredImage(std::move(picture), dpi);
    }
}
