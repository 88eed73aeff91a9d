#include "ZoomTable.h"

#include <algorithm>

namespace {

struct Preset {
    int divisor;
    int command;
    const char* text;
};

// Indexes 0 and 1 and the last entry are the sentinels the searches stop at.
constexpr std::array<Preset, 12> kPresets = {{
    {0, 0, ""},
    {0, 0, ""},
    {500, 32850, "1/500"},
    {200, 32913, "1/200"},
    {150, 32903, "1/150"},
    {125, 32917, "1/125"},
    {100, 32918, "1/100"},
    {75, 32916, "1/75"},
    {50, 32912, "1/50"},
    {25, 32908, "1/25"},
    {10, 32854, "1/10"},
    {-1, 0, ""},
}};

bool IsPreset(int index) {
    return index >= exzoom::kCoarsest && index <= exzoom::kFinest;
}

} // namespace

namespace exzoom {

int PresetDivisor(int index) {
    return index >= 0 && index < int(kPresets.size()) ? kPresets[index].divisor : -1;
}

int PresetCommand(int index) {
    return IsPreset(index) ? kPresets[index].command : 0;
}

const char* PresetText(int index) {
    return IsPreset(index) ? kPresets[index].text : "";
}

} // namespace exzoom

// A typed divisor zooms to the nearest preset strictly finer (or coarser) than itself, so that
// the command always changes the picture; a typed value with no such preset disables it.
bool CanZoomIn(const ExZoomState& state) {
    return state.index != exzoom::kFinest && state.zoom > exzoom::kMinTyped;
}

bool CanZoomOut(const ExZoomState& state) {
    return state.index != exzoom::kCoarsest &&
           state.zoom < exzoom::PresetDivisor(exzoom::kCoarsest);
}

bool ZoomIn(ExZoomState& state) {
    if (!CanZoomIn(state)) {
        return false;
    }
    int index = state.index + 1;
    if (!IsPreset(state.index)) {
        index = exzoom::kCoarsest;
        while (exzoom::PresetDivisor(index) >= state.zoom) {
            ++index;
        }
    }
    if (!IsPreset(index)) {
        return false;
    }
    state = {exzoom::PresetDivisor(index), index};
    return true;
}

bool ZoomOut(ExZoomState& state) {
    if (!CanZoomOut(state)) {
        return false;
    }
    int index = state.index - 1;
    if (!IsPreset(state.index)) {
        index = exzoom::kFinest;
        while (exzoom::PresetDivisor(index) > 0 && exzoom::PresetDivisor(index) <= state.zoom) {
            --index;
        }
    }
    if (!IsPreset(index)) {
        return false;
    }
    state = {exzoom::PresetDivisor(index), index};
    return true;
}

bool SelectPreset(ExZoomState& state, int index) {
    if (!IsPreset(index) || state.index == index) {
        return false;
    }
    state = {exzoom::PresetDivisor(index), index};
    return true;
}

void SetTypedZoom(ExZoomState& state, int zoom) {
    state = {zoom, exzoom::kTypedIndex};
}

ExZoomState SanitisedZoom(ExZoomState state) {
    if (IsPreset(state.index) && exzoom::PresetDivisor(state.index) == state.zoom) {
        return state;
    }
    return {std::clamp(state.zoom, exzoom::kMinTyped, exzoom::kMaxTyped), exzoom::kTypedIndex};
}
