#pragma once

#include "ExAppServices.h"

#include <QRect>
#include <QString>

#include <array>
#include <vector>

class QSettings;

// The per-user settings store: its sections, keys and defaults. Every value read falls back to
// its default when missing; nothing read is ever refused.

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

// One cable kind as the settings keep it (the "App-CableInfo-…" keys): the kind's key (the
// first six characters of its shape file name), its name, pen width and pen style.
struct ExCableInfoEntry {
    QString partsId;
    QString partsName;
    int penBold = 50;
    int penStyle = 0;

    friend bool operator==(const ExCableInfoEntry&, const ExCableInfoEntry&) = default;
};

ExWindowState LoadWindowState(QSettings& settings);
void SaveWindowState(QSettings& settings, const ExWindowState& state);
ExToolBarState LoadToolBarState(QSettings& settings);
void SaveToolBarState(QSettings& settings, const ExToolBarState& state);
// "AppState" apart from the cable kinds.
ExDrawingDefaults LoadDrawingDefaults(QSettings& settings);
void SaveDrawingDefaults(QSettings& settings, const ExDrawingDefaults& defaults);
// The stored cable entries 1 … "App-CableInfo-Count", in order.
std::vector<ExCableInfoEntry> LoadCableEntries(QSettings& settings);
// Writes the kinds numbered from 1, then their count.
void SaveCableEntries(QSettings& settings, const std::vector<ExCableInfoEntry>& kinds);
// Each stored entry whose key matches a kind sets that kind's name, pen width and style;
// entries that match no kind are ignored.
void ApplyCableEntries(std::vector<ExCableInfoEntry>& kinds,
                       const std::vector<ExCableInfoEntry>& stored);
// The cable kinds of the library: one per file of the wiring folder, pen width 50, style 0.
std::vector<ExCableInfoEntry> CableKindsOfFolder(const QString& wiringFolder);
// "AreaAttention": whether the area measurement notice is still to be shown.
bool LoadAreaAttention(QSettings& settings);
void SaveAreaAttention(QSettings& settings, bool attention);
