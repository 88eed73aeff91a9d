#pragma once

#include <array>

// The zoom presets and the rules of the zoom commands, apart from any window: a view keeps an
// ExZoomState and asks these functions whether a command is enabled and what it changes to.
namespace exzoom {

inline constexpr int kTypedIndex = 1;   // the divisor was typed in the zoom ratio dialog
inline constexpr int kCoarsest = 2;     // 1/500
inline constexpr int kFinest = 10;      // 1/10
inline constexpr int kDefaultIndex = 6; // 1/100
inline constexpr int kMinTyped = 10;
inline constexpr int kMaxTyped = 3000;

// The command ids of the preset menu entries and of the zoom commands.
inline constexpr int kZoomInCommand = 32811;
inline constexpr int kZoomOutCommand = 32812;
inline constexpr int kZoomDialogCommand = 33018;

// Divisor of a preset index (2..10); 0 and -1 outside the table.
int PresetDivisor(int index);
int PresetCommand(int index);
// The menu text, "1/500" … "1/10".
const char* PresetText(int index);

} // namespace exzoom

struct ExZoomState {
    int zoom = 100;                    // m_nZoom: the divisor the user chose
    int index = exzoom::kDefaultIndex; // m_nZoomIndex: its preset, or 1 for a typed value

    friend bool operator==(const ExZoomState&, const ExZoomState&) = default;
};

bool CanZoomIn(const ExZoomState& state);
bool CanZoomOut(const ExZoomState& state);
// Each returns true when the state changed and the zoom must be applied and broadcast.
bool ZoomIn(ExZoomState& state);
bool ZoomOut(ExZoomState& state);
bool SelectPreset(ExZoomState& state, int index);
// A value from the zoom ratio dialog (already checked against 10..3000).
void SetTypedZoom(ExZoomState& state, int zoom);
// Makes a state read from a file usable: an unknown index becomes a typed value and the
// divisor is kept within the dialog's range.
ExZoomState SanitisedZoom(ExZoomState state);
