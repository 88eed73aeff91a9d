#pragma once

#include <filesystem>
#include <string>
#include <vector>

// The pen of one cable kind, as the settings keep it. The kinds are the shape files of the
// library's wiring folder: PartsID is the file name's 6-character code prefix, PartsName the
// rest of the name without the extension (code page 932).
struct tagCABLEINFO {
    std::string PartsID;
    std::string PartsName;
    int PenStyle = 0;
    int PenBold = 50;

    friend bool operator==(const tagCABLEINFO&, const tagCABLEINFO&) = default;
};

// Where the settings store lives for the model: plain named values.
class CExSettingsReader {
public:
    virtual ~CExSettingsReader() = default;
    virtual int ReadInt(const std::string& key, int fallback) const = 0;
    virtual std::string ReadString(const std::string& key, const std::string& fallback) const = 0;
};

class CExSettingsWriter {
public:
    virtual ~CExSettingsWriter() = default;
    virtual void WriteInt(const std::string& key, int value) = 0;
    virtual void WriteString(const std::string& key, const std::string& value) = 0;
};

// The wiring folder below the program's data folder.
std::filesystem::path CableFolder(const std::filesystem::path& dataFolder);

// One record per file of the wiring folder, in name order, with the default pen.
std::vector<tagCABLEINFO> BuildCableInfoList(const std::filesystem::path& cableFolder);

// Stored entries ("App-CableInfo-Count", then per k = 1.. "App-CableInfo-PartsID<k>",
// "-PartsName<k>", "-PenBold<k>", "-PenStyle<k>") override the records with the same PartsID;
// entries that match no record are ignored.
void LoadCableInfoSettings(std::vector<tagCABLEINFO>& list, const CExSettingsReader& settings);
void SaveCableInfoSettings(const std::vector<tagCABLEINFO>& list, CExSettingsWriter& settings);

// The record of a cable parts code, or null.
const tagCABLEINFO* FindCableInfo(const std::vector<tagCABLEINFO>& list, int partsCode);
