#pragma once

#include "ExCableInfo.h"

#include <string>
#include <string_view>
#include <vector>

// What the model asks of the application: message boxes and the user's drawing defaults. The
// shell installs Qt message boxes and the settings it loaded; the command-line tools install a
// printer on stderr; tests install a recorder.

enum class ExMessageIcon { Stop, Exclamation, Question, Information };
enum class ExMessageButtons { Ok, OkCancel };
enum class ExMessageResult { Ok, Cancel };

// The drawing defaults, as the settings store keeps them (lengths in whole centimetres, sheet
// size in whole metres, grid intervals in centimetres or metres as named).
struct ExDrawingDefaults {
    int sheetWidthM = 25;
    int sheetHeightM = 25;
    int matWidthCm = 90;
    int matLengthCm = 180;
    int outerWallThicknessCm = 15;
    int innerWallThicknessCm = 12;
    int cableHeightCorrectionCm = 50;
    int gridBigIntervalXCm = 50;
    int gridBigIntervalYCm = 50;
    int largeLatticeBigX = 5;
    int largeLatticeBigY = 5;
    int gridSmallIntervalXM = 2;
    int gridSmallIntervalYM = 2;
    int largeLatticeSmallX = 5;
    int largeLatticeSmallY = 5;
    int bitmapWidth = 1024;
    int bitmapHeight = 768;
    // Minutes between the copies of modified drawings kept for recovery; 0 keeps none.
    int autoSaveMinutes = 5;
    // Whether the tools' points snap to the grid's fine lattice and to the parts' corners.
    int snap = 0;
};

class CExAppServices {
public:
    virtual ~CExAppServices() = default;

    // The caption is always the application's name; text is UTF-8.
    virtual ExMessageResult MessageBox(std::string_view text, ExMessageIcon icon,
                                       ExMessageButtons buttons) = 0;
    virtual const ExDrawingDefaults& DrawingDefaults() const = 0;
    // The cable kinds and their pens; none unless the application has read them.
    virtual const std::vector<tagCABLEINFO>& CableKinds() const;
};

// The installed services; never null (a quiet default answers Ok until one is installed).
CExAppServices& AppServices();
// Installs services (not owned); null restores the quiet default. Returns the previous one.
CExAppServices* SetAppServices(CExAppServices* services);

// Messages the model itself shows.
namespace exmsg {
inline constexpr const char* kAppName = "クイルプラン";
inline constexpr const char* kUnexpected = "予期せぬエラーが発生しました。";
inline constexpr const char* kReadFailed = "ファイル読み込みに失敗しました";
inline constexpr const char* kSaveFailed = "ファイル保存に失敗しました";
inline constexpr const char* kOutOfMemory = "メモリ不足が発生しました。ご使用PCの環境をご確認くださ"
                                            "い。\nVGAドライバの問題による場合もあります。";
} // namespace exmsg
