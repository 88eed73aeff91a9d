#include "ExCableInfo.h"

#include "Cp932.h"
#include "ExGeneralParts.h"

#include <algorithm>

namespace {

constexpr std::size_t kPrefixLength = 6;
constexpr int kMaxStoredEntries = 1000;
const std::string kCountKey = "App-CableInfo-Count";
const std::string kIdKey = "App-CableInfo-PartsID";
const std::string kNameKey = "App-CableInfo-PartsName";
const std::string kBoldKey = "App-CableInfo-PenBold";
const std::string kStyleKey = "App-CableInfo-PenStyle";

// The decimal value of a parts ID, or -1 when it is not a number.
int CodeOf(const std::string& partsId) {
    if (partsId.empty() || partsId.size() > 9 ||
        !std::all_of(partsId.begin(), partsId.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return -1;
    }
    return std::stoi(partsId);
}

} // namespace

std::filesystem::path CableFolder(const std::filesystem::path& dataFolder) {
    return dataFolder / "部品" / "05電源・センサー類" / "01配線";
}

std::vector<tagCABLEINFO> BuildCableInfoList(const std::filesystem::path& cableFolder) {
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(cableFolder, error)) {
        if (entry.is_regular_file(error)) {
            names.push_back(entry.path().filename().string());
        }
    }
    std::sort(names.begin(), names.end());
    std::vector<tagCABLEINFO> list;
    for (const std::string& name : names) {
        if (name.size() < kPrefixLength + 4) {
            continue;
        }
        tagCABLEINFO info;
        info.PartsID = name.substr(0, kPrefixLength);
        // File names are UTF-8 here; the model keeps code page 932.
        info.PartsName = cp932::FromUtf8(ShapeFileDisplayName(name)).value_or(std::string());
        list.push_back(info);
    }
    return list;
}

void LoadCableInfoSettings(std::vector<tagCABLEINFO>& list, const CExSettingsReader& settings) {
    const int count = std::clamp(settings.ReadInt(kCountKey, 0), 0, kMaxStoredEntries);
    for (int k = 1; k <= count; ++k) {
        const std::string n = std::to_string(k);
        const std::string id = settings.ReadString(kIdKey + n, "");
        for (tagCABLEINFO& info : list) {
            if (info.PartsID == id) {
                info.PartsName = settings.ReadString(kNameKey + n, "");
                info.PenBold = settings.ReadInt(kBoldKey + n, 50);
                info.PenStyle = settings.ReadInt(kStyleKey + n, 0);
            }
        }
    }
}

void SaveCableInfoSettings(const std::vector<tagCABLEINFO>& list, CExSettingsWriter& settings) {
    int k = 0;
    for (const tagCABLEINFO& info : list) {
        const std::string n = std::to_string(++k);
        settings.WriteString(kIdKey + n, info.PartsID);
        settings.WriteString(kNameKey + n, info.PartsName);
        settings.WriteInt(kBoldKey + n, info.PenBold);
        settings.WriteInt(kStyleKey + n, info.PenStyle);
    }
    settings.WriteInt(kCountKey, k);
}

const tagCABLEINFO* FindCableInfo(const std::vector<tagCABLEINFO>& list, int partsCode) {
    const auto found = std::find_if(list.begin(), list.end(), [&](const tagCABLEINFO& info) {
        return CodeOf(info.PartsID) == partsCode;
    });
    return found == list.end() ? nullptr : &*found;
}
