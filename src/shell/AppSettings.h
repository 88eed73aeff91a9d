#pragma once

// The per-user settings store: its sections, keys and defaults. Every value read falls back to
// its default when missing and is brought within the range the program can use: the store can
// be edited by hand, and a sheet of 30 000 m or a window from one edge of the number range to
// the other must not reach the views.

#include "ExAppServices.h"
#include "ExCableInfo.h"

#include <QByteArray>
#include <QRect>
#include <QString>

#include <algorithm>
#include <array>
#include <filesystem>
#include <vector>

class QSettings;

// One section of the settings store as the model reads and writes plain values: strings are
// code page 932 in the model and UTF-8 in the store.
class CQtSettingsSection final : public CExSettingsReader, public CExSettingsWriter {
public:
    CQtSettingsSection(QSettings& settings, const char* section);

    int ReadInt(const std::string& key, int fallback) const override;
    std::string ReadString(const std::string& key, const std::string& fallback) const override;
    void WriteInt(const std::string& key, int value) override;
    void WriteString(const std::string& key, const std::string& value) override;

private:
    QString Key(const std::string& key) const;

    QSettings& m_settings;
    QString m_strSection;
};

// The whole numbers the drawing settings dialog accepts, which are also what is kept of values
// read from the store.
struct ExIntRange {
    int minimum;
    int maximum;

    int Clamp(int value) const { return std::clamp(value, minimum, maximum); }
};

namespace exrange {
inline constexpr ExIntRange kSheetM{1, 1000};
inline constexpr ExIntRange kMatCm{1, 200};
inline constexpr ExIntRange kWallCm{0, 200};
inline constexpr ExIntRange kCableHeightCm{0, 1000};
inline constexpr ExIntRange kGridIntervalCm{1, 200};
inline constexpr ExIntRange kGridIntervalM{1, 20};
inline constexpr ExIntRange kLargeLattice{1, 30};
inline constexpr ExIntRange kBitmapPixels{96, 3072};
inline constexpr ExIntRange kAutoSaveMinutes{0, 120};
inline constexpr ExIntRange kSwitch{0, 1};
// Window and bar corners in screen pixels, as far as any desktop reaches.
inline constexpr ExIntRange kScreenCoordinate{-32768, 32767};
} // namespace exrange

// The cable pens the settings dialog offers; a stored pen it does not offer is read as the
// default one (solid, normal).
namespace expen {
inline constexpr int kSolid = 0;
inline constexpr int kDash = 3;
inline constexpr int kDot = 2;
inline constexpr int kThin = 2;
inline constexpr int kNormal = 50;
inline constexpr int kThick = 80;
} // namespace expen

// Show commands of the main window, as stored in "Window-ShowCmd".
namespace exshow {
inline constexpr int kNormal = 1;
inline constexpr int kMinimized = 2;
inline constexpr int kMaximized = 3;
} // namespace exshow

// "WindowState": the main window's normal rectangle in screen pixels and its show command.
struct ExWindowState {
    QRect rect; // null when all four stored values are 0: the window system places the window
    int showCmd = exshow::kNormal;

    // The show command to start with: a window stored minimised starts normal.
    int StartShowCommand() const;
};

// "ToolBarState": the menu bar's position, the eight tool bars shown and placed, captions under
// the buttons and the icon size.
struct ExToolBarState {
    static constexpr std::array<const char*, 8> kBars = {"Norm", "Edit", "View", "Mode",
                                                         "Size", "Face", "Copy", "Wire"};
    QRect menuBarRect;
    std::array<bool, 8> visible{true, true, true, true, true, true, true, true};
    std::array<QRect, 8> rects{};
    bool bottomName = true;
    bool largeIcons = true;
};

ExWindowState LoadWindowState(QSettings& settings);
void SaveWindowState(QSettings& settings, const ExWindowState& state);
ExToolBarState LoadToolBarState(QSettings& settings);
void SaveToolBarState(QSettings& settings, const ExToolBarState& state);
// "AppState" apart from the cable kinds.
ExDrawingDefaults LoadDrawingDefaults(QSettings& settings);
void SaveDrawingDefaults(QSettings& settings, const ExDrawingDefaults& defaults);
// The cable kinds: one per file of the library's wiring folder below the data folder, with the
// name and pen the settings store keeps for it.
std::vector<tagCABLEINFO> LoadCableKinds(QSettings& settings,
                                         const std::filesystem::path& dataFolder);
void SaveCableKinds(QSettings& settings, const std::vector<tagCABLEINFO>& kinds);
// "ControlState": where the tool bars and the library panels stand, as the toolkit records it.
QByteArray LoadControlState(QSettings& settings);
void SaveControlState(QSettings& settings, const QByteArray& layout);
// "AreaAttention": whether the area measurement notice is still to be shown.
bool LoadAreaAttention(QSettings& settings);
void SaveAreaAttention(QSettings& settings, bool attention);
